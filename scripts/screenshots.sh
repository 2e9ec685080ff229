#!/usr/bin/env bash
# Screenshots of the table as the player sees it at several sizes, each after
# the deal: the default size, a window 1.5 times the table's size, full screen
# on a 1920 x 1080 screen (F11, under the openbox window manager), and at
# device pixel ratios 1.5, 2 and 3 (QT_SCALE_FACTOR), with a close-up of the
# hand at each. Then the window is closed and opened again to show that it
# keeps its size. Pictures go to $SHOTS (default /tmp/meldora-shots).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/table-geometry.sh
shots=${SHOTS:-/tmp/meldora-shots}
display=${SHOTS_DISPLAY:-:81}
mkdir -p "$shots"
home=$(mktemp -d)
pid= xvfb= wm=
stop_all() { kill $pid $wm $xvfb 2>/dev/null || true; wait $pid $wm $xvfb 2>/dev/null || true; pid= wm= xvfb=; }
trap 'stop_all; rm -rf "$home"' EXIT
export DISPLAY=$display

# screen WxH [window manager]
screen() {
    stop_all
    Xvfb "$display" -screen 0 "$1x24" -noreset >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    if [ "${2:-}" = wm ]; then openbox >/dev/null 2>&1 & wm=$!; sleep 1; fi
}
# start [environment...]: the game with a fresh deal; sets main, the window.
start() {
    env HOME="$home" XDG_RUNTIME_DIR="$home" "$@" ./build/meldora --seed 1 >/dev/null 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --name "^Meldora $" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
    sleep 1
}
deal() { # in the screen's pixels: at a device pixel ratio the menu bar is taller too
    MENU_HEIGHT=$(awk -v d="${1:-1}" 'BEGIN { printf "%d", 19 * d + 0.5 }') table_geometry "$main"
    xdotool mousemove "$(px_x 5400)" "$(px_y 4300)" click 1
    sleep 5
    xdotool mousemove 1 1
    sleep 0.5
}
window_shot() { import -window "$main" "$shots/$1.png"; }
hand_shot() { # the first cards of the hand, at their size on the screen
    local size
    size=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 3200 * s / 15, 1600 * s / 15 }')
    convert "$shots/$1.png" -crop "$size+$(($(px_x 3300) - X))+$(($(px_y 7650) - Y))" +repage \
        "$shots/$1-hand.png"
}

screen 1920x1080
start
deal; window_shot default; hand_shot default
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -rf "$home"/.config

start
xdotool windowsize "$main" 1176 971 windowmove "$main" 372 54; sleep 1 # 1.5 x, centred
deal; window_shot scale-1.5; hand_shot scale-1.5
# The help and about windows grow with the table.
xdotool windowfocus --sync "$main" key F1; sleep 1
import -window "$(xdotool search --onlyvisible --name "^Meldora Help$" | head -1)" "$shots/help-1.5.png"
xdotool windowfocus --sync "$main" key alt+a; sleep 1
import -window "$(xdotool search --onlyvisible --name "^About Meldora$" | head -1)" "$shots/about-1.5.png"
xdotool key Escape; sleep 0.5
xdotool windowfocus --sync "$main" key ctrl+x; sleep 1   # closed at this size
start
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "opened again at ${WIDTH} x ${HEIGHT} (closed at 1176 x 971)"
import -window "$main" "$shots/reopened.png"
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -rf "$home"/.config

screen 1920x1080 wm
start
xdotool windowactivate --sync "$main" key F11; sleep 1.5
deal
import -window root "$shots/full-screen-1920x1080.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "full screen: window ${WIDTH} x ${HEIGHT}"
xdotool key F11; sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "F11 again: window ${WIDTH} x ${HEIGHT}"
kill "$pid"; wait "$pid" 2>/dev/null || true
rm -rf "$home"/.config

for dpr in 1.5 2 3; do
    screen "$(awk -v d="$dpr" 'BEGIN { printf "%dx%d", 800 * d + 64, 660 * d + 64 }')"
    start QT_SCALE_FACTOR="$dpr"
    deal "$dpr"
    window_shot "dpr-$dpr"; hand_shot "dpr-$dpr"
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
echo "screenshots in $shots"
