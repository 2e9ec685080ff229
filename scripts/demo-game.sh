#!/usr/bin/env bash
# Plays one whole game with the mouse under Xvfb, as a check of the real
# window: target 25, the player draws from the stock and discards, Dorvil
# plays his own way; every message box is answered by clicking its first face
# ("Bye for Now" at the end). Then the game is started again to show the saved
# statistics and that the window kept its size. Screenshots go to $SHOTS
# (default /tmp/meldora-demo).
# SCALE=1.5 plays on a window 1.5 times the table's size, and first shows the
# pointer's hints, a card landing in a meld column, a refused drop and a take
# back, all at the scaled positions.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/table-geometry.sh
shots=${SHOTS:-/tmp/meldora-demo}
factor=${SCALE:-1}
mkdir -p "$shots"
display=${DEMO_DISPLAY:-:78}
home=$(mktemp -d)
pid=
Xvfb "$display" -screen 0 1920x1080x24 -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/$1.png"; }

start() {
    HOME=$home XDG_RUNTIME_DIR=$home ./build/meldora --seed "${SEED:-5}" >/dev/null 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
    sleep 0.5
    table_geometry "$main"
    xdotool windowfocus --sync "$main"
}
# Pointing, clicking and dragging at points of the table given in twips.
point_twips() { xdotool mousemove "$(px_x "$1")" "$(px_y "$2")"; }
click_twips() { point_twips "$1" "$2"; xdotool click 1; }
drag_twips() {
    point_twips "$1" "$2"; xdotool mousedown 1
    for i in 1 2 3 4 5 6; do
        point_twips $(($1 + ($3 - $1) * i / 6)) $(($2 + ($4 - $2) * i / 6))
        sleep 0.03
    done
    xdotool mouseup 1
}
# A hint shown where the pointer rests.
hint_shot() { point_twips "$1" "$2"; sleep 0.1; point_twips $(($1 + 30)) $(($2 + 30)); sleep 1.2; shot "$3"; }
# The open message box, if any: its id, and a click on face 0 or face 1.
message_box() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | head -1; }
answer_box() {
    local box=$1 face=$2 geometry title fx
    geometry=$(xdotool getwindowgeometry --shell "$box")
    title=$(xdotool getwindowname "$box")
    eval "$(echo "$geometry" | sed 's/^/BOX_/')"
    fx=$((BOX_X + BOX_WIDTH / 2))
    [ "$title" = "Play another game?" ] && fx=$(awk -v x="$BOX_X" -v f="$factor" -v o=$((face == 0 ? 106 : 194)) 'BEGIN { printf "%d", x + o * f }')
    xdotool mousemove "$fx" "$(awk -v y=$((BOX_Y + BOX_HEIGHT)) -v f="$factor" 'BEGIN { printf "%d", y - 16 * f }')" click 1
    echo "$title"
}

start
if [ "$factor" != 1 ]; then
    read -r width height < <(awk -v f="$factor" 'BEGIN { printf "%d %d\n", 784 * f, 635 * f + 19 }')
    # Centred on the screen, as it opens, where the message boxes stand too.
    xdotool windowsize "$main" "$width" "$height" windowmove "$main" $(((1920 - width) / 2)) $(((1080 - height) / 2))
    sleep 1
    table_geometry "$main"
fi
echo "table at scale $scale, its top-left at ($tx, $ty)"
shot 01-start
xdotool key ctrl+c; sleep 0.3
xdotool type 25; click_twips 5940 4090; sleep 0.5
box=$(message_box); [ -n "$box" ] || { echo "no target message"; exit 1; }
answer_box "$box" 0 >/dev/null; sleep 0.3
click_twips 5400 4300; sleep 4          # deal
shot 02-dealt
if [ "$factor" != 1 ]; then
    hint_shot 3400 1800 03-hint-dorvils-cards
    hint_shot 1150 3100 04-hint-stock
    click_twips 1150 3100; sleep 1.3     # take a stock card
    drag_twips 3500 8000 2900 3300; sleep 1.5   # the first hand card into column 1
    shot 05-card-in-column-1
    hint_shot 2900 3300 06-hint-melded-card
    drag_twips 4000 8000 6800 3300; sleep 1  # the next one into column 4: refused
    box=$(message_box); [ -n "$box" ] || { echo "no refusal"; exit 1; }
    shot 07-refused-drop
    echo "refused: $(answer_box "$box" 0)"; sleep 1
    click_twips 5900 6330; sleep 1.5      # Take Back
    shot 08-taken-back
    drag_twips 7560 8000 1000 5600; sleep 4   # discard
    shot 09-discarded
fi
titles=()
for turn in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || break
    box=$(message_box || true)
    if [ -n "$box" ]; then
        title=$(xdotool getwindowname "$box")
        shot "$(printf '1%02d-message' "${#titles[@]}")"
        titles+=("$title")
        answer_box "$box" $([ "$title" = "Play another game?" ] && echo 1 || echo 0) >/dev/null
        sleep 4
        continue
    fi
    click_twips 1150 3100; sleep 1.3     # take a stock card
    drag_twips 7560 8000 1000 5600; sleep 4   # discard the last card of the hand
done
printf 'message box: %s\n' "${titles[@]}"
sleep 1
if kill -0 "$pid" 2>/dev/null; then echo "the game did not end"; exit 1; fi
start
echo "restarted: window ${WIDTH} x ${HEIGHT} at ($X, $Y), table at scale $scale"
shot 99-restarted
kill "$pid"
echo "screenshots in $shots"
