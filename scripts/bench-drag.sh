#!/usr/bin/env bash
# Measures what carrying a card costs: the window at 1920 x 1080 under Xvfb,
# a hand card held and carried around the meld area by the mouse, moving at
# about 100 Hz for ten seconds. Prints the game's processor time (and the X
# server's) as a share of one core. Run after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/table-geometry.sh
display=${BENCH_DISPLAY:-:79}
seconds=${SECONDS_MOVING:-10}
Xvfb "$display" -screen 0 1920x1080x24 -noreset >/dev/null 2>&1 &
xvfb=$!
pid=
home=$(mktemp -d)
trap 'kill $pid $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
export DISPLAY=$display
HOME=$home XDG_RUNTIME_DIR=$home ./build/meldora --seed 1 >/dev/null 2>&1 &
pid=$!
until main=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
xdotool windowmove "$main" 0 0 windowsize "$main" 1920 1080
sleep 1
table_geometry "$main"
xdotool mousemove "$(px_x 5400)" "$(px_y 4300)" click 1; sleep 4     # deal
xdotool mousemove "$(px_x 1150)" "$(px_y 3100)" click 1; sleep 2     # take a stock card
xdotool mousemove "$(px_x 7560)" "$(px_y 8000)" mousedown 1; sleep 0.5
# One xdotool process carries the whole path: a circle round the meld area.
moves=$((seconds * 100))
path=$(awk -v n="$moves" -v s="$scale" -v x0="$tx" -v y0="$ty" 'BEGIN {
    for (i = 0; i < n; i++) {
        a = 6.2831853 * i / 200
        printf "mousemove %d %d sleep 0.009 ", x0 + (6240 + 2500 * cos(a)) * s / 15, y0 + (4500 + 1500 * sin(a)) * s / 15
    }}')
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
game0=$(ticks "$pid"); x0=$(ticks "$xvfb"); t0=$(date +%s%N)
# shellcheck disable=SC2086
xdotool $path
game1=$(ticks "$pid"); x1=$(ticks "$xvfb"); t1=$(date +%s%N)
xdotool mousemove "$(px_x 7560)" "$(px_y 8000)" mouseup 1
hz=$(getconf CLK_TCK)
awk -v g=$((game1 - game0)) -v x=$((x1 - x0)) -v hz="$hz" -v ns=$((t1 - t0)) -v n="$moves" -v s="$scale" 'BEGIN {
    wall = ns / 1e9
    printf "drag at scale %s: %d moves in %.1f s (%.0f Hz); game %.1f %% of one core, X server %.1f %%\n",
        s, n, wall, n / wall, 100 * g / hz / wall, 100 * x / hz / wall }'
