#!/usr/bin/env bash
# Measures the compact model of a hand on one core: greedy playouts of dealt
# hands to their end (the aim is 50 000 hands a second or more), random legal
# playouts, the time of one move, and the cost of building the model from the
# table and from what one side sees. RUNS runs (default 5) of HANDS hands
# each (default 200 000); every figure is the median of the runs, in the
# thread's processor time, so that other work on the machine counts little.
# With BEFORE=path/to/an/older/meldora-sim it also times the table's own
# self-play with every check (SELF hands, default 20 000), this build's and
# the older one's in turn, and prints the median processor seconds of each.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5} hands=${HANDS:-200000} core=${CORE:-0}
[ -d build ] || bash scripts/setup.sh >/dev/null
cmake --build build --target meldora-bench-model meldora-sim >/dev/null
out=$(mktemp)
trap 'rm -f "$out"' EXIT
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for ((i = 1; i <= runs; i++)); do
    taskset -c "$core" ./build/meldora-bench-model "$hands" "$i" >>"$out"
done
# Each line is "what: FIGURE unit (details)"; the median figure of each what.
median() { sort -g | awk '{ x[NR] = $1 } END { print x[int((NR + 1) / 2)] }'; }
cut -d: -f1 "$out" | awk '!seen[$0]++' | while IFS= read -r what; do
    figures=$(grep -F "$what: " "$out" | sed -E 's/^[^:]*: ([0-9.]+) .*/\1/')
    unit=$(grep -F "$what: " "$out" | head -1 | sed -E 's/^[^:]*: [0-9.]+ ([^(]*).*/\1/')
    printf '%-34s %12s %s  (median of %d)\n' "$what:" "$(median <<<"$figures")" "$unit" \
        "$(wc -l <<<"$figures")"
done
if [ -n "${BEFORE:-}" ]; then
    self=${SELF:-20000}
    cpu() { # COMMAND...: its processor seconds
        local t
        t=$( { TIMEFORMAT='%U %S'; time taskset -c "$core" "$@" >/dev/null; } 2>&1)
        awk '{ print $1 + $2 }' <<<"$t"
    }
    after=() before=()
    for ((i = 1; i <= runs; i++)); do
        after+=("$(cpu ./build/meldora-sim --self-play "$self" --seed "$i")")
        before+=("$(cpu "$BEFORE" --self-play "$self" --seed "$i")")
    done
    a=$(printf '%s\n' "${after[@]}" | median) b=$(printf '%s\n' "${before[@]}" | median)
    echo "self-play of $self hands with every check: this build $a s, before $b s of processor" \
        "time (median of $runs); this build takes $(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f", a / b }') times as long"
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
