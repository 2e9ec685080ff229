#!/usr/bin/env bash
# Measures how fast the table appears and how much memory it holds, side by
# side with a bare Qt window that shows a menu bar and a status bar: launch
# to mapped window under Xvfb, the two programs taking turns, median of
# several runs; then Meldora's resident memory three seconds after start.
# DECK=FOLDER (svg-dondorf, the largest installed) starts the game with that
# card deck chosen. Run after scripts/test.sh; prints three lines of figures.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-9}
home=$(mktemp -d)
# A display of its own, free and ready before the first launch (a fixed
# number may still be held by a server going away).
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
source scripts/own-display.sh
own_display "$home" 1024x768x24
if [ -n "${DECK:-}" ]; then
    mkdir -p "$home/.config/Meldora"
    printf '[Options]\nCardDeck=%s\n' "$DECK" >"$home/.config/Meldora/Meldora.conf"
fi
# Sets $ms to the milliseconds from launch until the program's window is
# mapped, and leaves the program running as $pid. A program that ends before
# its window shows (on this shared machine a connection to the display is
# now and then refused) is started again, twice at most, saying so.
launch() {
    local start tries=0
    while :; do
        start=$(date +%s%N)
        HOME=$home XDG_RUNTIME_DIR=$home "$@" >/dev/null 2>"$home/stderr" &
        pid=$!
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.005
        done
        if kill -0 "$pid" 2>/dev/null; then break; fi
        wait "$pid" 2>/dev/null || true
        echo "$1 ended before its window showed: $(head -1 "$home/stderr")" >&2
        tries=$((tries + 1))
        [ $tries -lt 3 ] || exit 1
    done
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
}
game_ms=() bare_ms=() rss_kib=()
for i in $(seq "$runs"); do
    launch ./build/meldora-bench-bare
    bare_ms+=("$ms")
    kill "$pid"; wait "$pid" 2>/dev/null || true
    launch ./build/meldora --seed 1
    game_ms+=("$ms")
    if [ "$i" -le 3 ]; then
        sleep 3
        rss_kib+=("$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")")
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
game=$(median "${game_ms[@]}") bare=$(median "${bare_ms[@]}")
echo "Meldora's window${DECK:+ (card deck $DECK)} mapped after $game ms, a bare Qt window's after $bare ms: $(awk -v g="$game" -v b="$bare" 'BEGIN {printf "%.2f", g / b}') x (medians of $runs; Meldora: ${game_ms[*]}; bare: ${bare_ms[*]})"
echo "resident memory $(( $(median "${rss_kib[@]}") / 1024 )) MiB three seconds after start (median; KiB: ${rss_kib[*]})"
