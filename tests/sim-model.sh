#!/usr/bin/env bash
# The model of a hand against the real table, for each player against each
# Dorvil: every move the table makes is legal in the model and leaves both
# equal after every handler, and every drop tried on a copy of the table
# gets the model's verdict. Fails on a fault, or when nothing was compared.
set -u
sim=$1
failed=0
for run in "--self-play 1000 --seed 21" "--self-play 300 --seed 22 --player greedy" \
    "--self-play 100 --seed 23 --player greedy --dorvil sharp" \
    "--self-play 100 --seed 24 --player hint --dorvil sharp"; do
    # shellcheck disable=SC2086 # the run's words
    out=$("$sim" $run --drop-trials 0.01)
    if ! grep -q ' 0 faults, ' <<<"$out" ||
        ! grep -Eq 'followed [1-9][0-9]* moves, equalled the table after [1-9][0-9]* handlers and agreed on [1-9][0-9]* drops' <<<"$out"; then
        echo "meldora-sim $run:"
        echo "$out"
        failed=1
    fi
done
exit $failed
