#!/usr/bin/env bash
# Measures how fast the table appears and how much memory it holds: launch to
# mapped window under Xvfb, resident memory three seconds later, median of
# several runs. Run after scripts/setup.sh; prints one line of figures.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-7}
display=:77
Xvfb $display -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
home=$(mktemp -d)
launch_ms=()
rss_kib=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    HOME=$home ./build/meldora --seed 1 >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.005; done
    launch_ms+=($(( ($(date +%s%N) - start) / 1000000 )))
    sleep 3
    rss_kib+=($(awk '/VmRSS/ {print $2}' /proc/$pid/status))
    kill "$pid"; wait "$pid" 2>/dev/null || true
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "window mapped after $(median "${launch_ms[@]}") ms (median of $runs; all: ${launch_ms[*]})"
echo "resident memory $(( $(median "${rss_kib[@]}") / 1024 )) MiB three seconds later (median; KiB: ${rss_kib[*]})"
rm -rf "$home"
