#!/usr/bin/env bash
# Measures the recovery file: its size, one write as the game makes it at a
# point of rest, and one read with the table laid out again, for a hand just
# dealt and for games that self-play left in the middle of a hand (Classic
# and Sharp Dorvil). RUNS writes each (default 200). Run after scripts/setup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --build build --target meldora-bench-recovery >/dev/null
./build/meldora-bench-recovery "" "$runs"
# A run that ends just as a game ends leaves no file: a few hands more then.
for game in "40 4 classic" "23 2 sharp"; do
    set -- $game
    for hands in $(seq "$1" $(($1 + 20))); do
        rm -rf "$work/$3"
        ./build/meldora-sim --self-play "$hands" --seed "$2" --dorvil "$3" --data "$work/$3" \
            --recovery >/dev/null
        [ -e "$work/$3/Recovery.dat" ] && break
    done
    cp "$work/$3/Recovery.dat" "$work/$3-dorvil-hand-$hands.dat"
    ./build/meldora-bench-recovery "$work/$3-dorvil-hand-$hands.dat" "$runs"
done
