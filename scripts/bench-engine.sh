#!/usr/bin/env bash
# Measures the engine's speed: HANDS (default one million) hands of self-play
# on one core, with every check of the table made as always. Prints hands/s
# and turns/s, by the clock and per second of processor time.
set -euo pipefail
cd "$(dirname "$0")/.."
hands=${HANDS:-1000000}
[ -x build/meldora-sim ] || bash scripts/setup.sh >/dev/null
out=$(mktemp)
trap 'rm -f "$out"' EXIT
TIMEFORMAT='%R %U %S'
times=$({ time taskset -c "${CORE:-0}" ./build/meldora-sim --self-play "$hands" \
    --seed "${SEED:-1}" >"$out"; } 2>&1)
read -r real user sys <<<"$times"
summary=$(tail -1 "$out")
turns=$(sed -E 's/.* ([0-9]+) turns.*/\1/' <<<"$summary")
echo "$summary"
awk -v h="$hands" -v t="$turns" -v r="$real" -v u="$user" -v s="$sys" 'BEGIN {
    c = u + s
    printf "%d hands, %d turns in %.1f s (%.1f s of processor time)\n", h, t, r, c
    printf "%.0f hands/s, %.0f turns/s by the clock; %.0f hands/s, %.0f turns/s per processor second\n",
        h / r, t / r, h / c, t / c }'
