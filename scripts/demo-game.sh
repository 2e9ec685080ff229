#!/usr/bin/env bash
# Plays one whole game with the mouse under Xvfb, as a check of the real
# window: target 25, the player draws from the stock and discards, Dorvil
# plays his own way; every message box is answered by clicking its first face
# ("Bye for Now" at the end). Then the game is started again to show the saved
# statistics. Screenshots go to $SHOTS (default /tmp/meldora-demo).
set -euo pipefail
cd "$(dirname "$0")/.."
shots=${SHOTS:-/tmp/meldora-demo}
mkdir -p "$shots"
display=:78
Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; pkill -f "build/meldora --seed" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
shot() { import -window root "$shots/$1.png"; }

start() {
    ./build/meldora --seed "${SEED:-5}" >/dev/null 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$main")"
    ox=$X; oy=$((Y + HEIGHT - 635))   # the client area, below the menu bar
    xdotool windowfocus --sync "$main"
}
# Clicks at a point of the table given in twips.
click_twips() { xdotool mousemove $((ox + $1 / 15)) $((oy + $2 / 15)) click 1; }
drag_twips() {
    xdotool mousemove $((ox + $1 / 15)) $((oy + $2 / 15)) mousedown 1
    for i in 1 2 3 4 5 6; do
        xdotool mousemove $((ox + ($1 + ($3 - $1) * i / 6) / 15)) $((oy + ($2 + ($4 - $2) * i / 6) / 15))
        sleep 0.03
    done
    xdotool mouseup 1
}
# The open message box, if any: its id, and a click on face 0 or face 1.
message_box() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | head -1; }
answer_box() {
    local box=$1 face=$2
    eval "$(xdotool getwindowgeometry --shell "$box")"
    local title; title=$(xdotool getwindowname "$box")
    local fx=$((X + WIDTH / 2))
    [ "$title" = "Play another game?" ] && fx=$((X + (face == 0 ? 106 : 194)))
    xdotool mousemove "$fx" $((Y + HEIGHT - 16)) click 1
    echo "$title"
}

start
shot 01-start
xdotool key ctrl+c; sleep 0.3
xdotool type 25; click_twips 5940 4090; sleep 0.5
box=$(message_box); [ -n "$box" ] || { echo "no target message"; exit 1; }
answer_box "$box" 0 >/dev/null; sleep 0.3
click_twips 5400 4300; sleep 4          # deal
shot 02-dealt
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
shot 99-restarted
kill "$pid"
echo "screenshots in $shots"
