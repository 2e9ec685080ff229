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
for spec in "60 4 classic" "23 2 sharp"; do
    set -- $spec
    ./build/meldora-sim --self-play "$1" --seed "$2" --dorvil "$3" --data "$work/$3" --recovery \
        >/dev/null
    cp "$work/$3/Recovery.dat" "$work/$3-dorvil-hand-$1.dat"
    ./build/meldora-bench-recovery "$work/$3-dorvil-hand-$1.dat" "$runs"
done
