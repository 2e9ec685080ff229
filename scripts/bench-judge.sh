#!/usr/bin/env bash
# How well the review's judgement tells good play from poor: the same seeds
# are played by each of the player's policies against Expert Dorvil, every
# hand kept, and each kept hand judged as its review would judge it. Prints
# each policy's judged loss per decision with its 95 % interval. "expert"
# follows the table's hint as it is while Expert Dorvil sits there (his own
# judgement from the player's chair), "hint" Sharp's judgement (the hint
# against Classic or Sharp Dorvil). "expert" also shows the judge's floor:
# what it charges play it would nearly have chosen itself.
# Usage: scripts/bench-judge.sh [BUILD_FOLDER] [HANDS (300)] [SEED (777)]
#        POLICIES="greedy hint expert" picks the policies (random is slow to judge).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
hands=${2:-300}
seed=${3:-777}
cmake --build "$build" -j2 --target meldora-sim >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for policy in ${POLICIES:-greedy hint expert}; do
    mkdir "$work/$policy"
    "$build/meldora-sim" --self-play "$hands" --seed "$seed" --player "$policy" \
        --dorvil expert --data "$work/$policy" --keep-hands >"$work/$policy.play" 2>&1 &
done
wait
for policy in ${POLICIES:-greedy hint expert}; do
    "$build/meldora-sim" --check-kept --judge "$hands" --data "$work/$policy" \
        >"$work/$policy.judge" 2>&1 &
done
wait
for policy in ${POLICIES:-greedy hint expert}; do
    printf '%-7s %s\n' "$policy" "$(grep '^judged' "$work/$policy.judge" || tail -n 1 "$work/$policy.judge")"
done
