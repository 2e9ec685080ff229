#!/usr/bin/env bash
# Plays one whole game with the keyboard alone under Xvfb: no pointer event is
# sent, only keys. The player reads the table as a screen reader does, over
# AT-SPI (scripts/key-player.py): it takes a card with S or F, lays every set
# and run it holds with Home, Right and the column's digit, lays off what fits
# once it has a meld down, and discards with Delete. The target is set to 25 first (Ctrl+C, 25, Alt+O) and S deals.
# Message boxes are answered with Enter, "Play another game?" with Right and
# Enter ("Bye for Now"); then the game is started again to show the saved
# statistics. The program runs from a folder of its own, so the statistics
# start from nothing.
#
# Along the way it keeps what a screen reader gets: the accessibility tree in
# the middle of a hand (a11y-tree.txt), every event a listener heard
# (a11y-events.txt) and one of Dorvil's turns in which he melds
# (a11y-dorvil-turn.txt). Screenshots and those files go to $SHOTS (default
# /tmp/meldora-keys); the display is $DISPLAY_NUMBER (default :93).
#
# Without a window manager nobody gives the table the keyboard back when a
# message box closes, so the script does (xdotool windowfocus: a keyboard
# focus request, not a pointer event).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MELDORA_DEMO_BUS:-}" ]; then # a private session bus for the accessibility bus
    MELDORA_DEMO_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
shots=${SHOTS:-/tmp/meldora-keys}
display=${DISPLAY_NUMBER:-:93}
mkdir -p "$shots"
work=$(mktemp -d)
mkdir -p "$work/program" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp build/meldora data/* "$work/program/"
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
pid="" listener=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$listener" ] && kill "$listener" 2>/dev/null
    kill $xvfb $bus 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
sleep 1
export DISPLAY=$display HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
player() { /usr/bin/python3 scripts/key-player.py "$1"; }
shot() { import -window root "$shots/$1.png"; }

start() {
    "$work/program/meldora" --seed "${SEED:-5}" >/dev/null 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
    sleep 0.5
    xdotool windowfocus --sync "$main"
}
message_box() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | head -1; }
answer_box() {
    local box=$1 title
    title=$(xdotool getwindowname "$box")
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    if [ "$title" = "Play another game?" ]; then xdotool key Right; fi
    xdotool key Return
    sleep 0.3
    if kill -0 "$pid" 2>/dev/null; then xdotool windowfocus --sync "$main" 2>/dev/null || true; fi
    echo "$title"
}
keys() { xdotool key --delay 250 "$@"; }

start
rm -f "$work/stop"
/usr/bin/python3 scripts/a11y-listen.py listen "$work/stop" >"$shots/a11y-events.txt" 2>&1 &
listener=$!
shot 01-start
keys ctrl+c; sleep 0.3
xdotool type --delay 150 25; sleep 0.2
shot 02-target-typed
keys alt+o; sleep 0.6
box=$(message_box); [ -n "$box" ] || { echo "no target message"; exit 1; }
shot 03-target-set
answer_box "$box" >/dev/null
keys s; sleep 3                          # S on the gathered pack deals
shot 04-dealt
titles=() turns=0 dumped=0
for step in $(seq 2000); do
    kill -0 "$pid" 2>/dev/null || break
    box=$(message_box || true)
    if [ -n "$box" ]; then
        shot "$(printf '1%02d-message' "${#titles[@]}")"
        titles+=("$(answer_box "$box")")
        case ${titles[-1]} in *[Hh]and*) rm -f "$work/melded" ;; esac   # a new hand follows
        continue
    fi
    read -r state columns _ <<<"$(player state) 0"
    case $state in
    take)
        turns=$((turns + 1))
        key=$(player take)
        if [ "$turns" -eq 2 ]; then   # once: Shift+Tab twice from the hand to the stock, Space
            keys shift+Tab shift+Tab; shot 05-tab-stock-focus; keys space
        else
            keys "$key"
        fi
        sleep 1.2
        ;;
    meld)
        if [ "$dumped" -eq 0 ] && [ "$columns" -ge 2 ]; then
            /usr/bin/python3 scripts/a11y-listen.py dump >"$shots/a11y-tree.txt"
            dumped=1
        fi
        plan=$(/usr/bin/python3 scripts/key-player.py play "$work/melded")
        [ "$turns" -le 3 ] && { keys Home; shot "$(printf '3%02d-hand-focus' "$turns")"; }
        # shellcheck disable=SC2086
        [ -n "$plan" ] && keys $plan
        sleep 1
        ;;
    gone) break ;;
    *) sleep 0.4 ;;
    esac
done
printf 'message box: %s\n' "${titles[@]}"
echo "player's turns: $turns"
sleep 1
if kill -0 "$pid" 2>/dev/null; then echo "the game did not end"; exit 1; fi
pid=""
touch "$work/stop"; wait "$listener" || true; listener=""
/usr/bin/python3 scripts/a11y-listen.py excerpt "$shots/a11y-events.txt" >"$shots/a11y-dorvil-turn.txt"
printf 'Scores.dat: %s\n' "$(cat "$work/program/Scores.dat")"
start
shot 99-restarted
kill "$pid"
pid=""
echo "screenshots and accessibility records in $shots"
