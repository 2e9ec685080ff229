#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang in build-fuzz and runs
# each for SECONDS (default 30), starting from the seed corpora kept in the
# repository; what a run adds stays in build-fuzz/corpus. Prints one line of
# figures per target and fails if any input crashed one (the input is kept
# in build-fuzz/artifacts).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/install-packages.sh play test
cmake -S tests/fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build build-fuzz -j2 >/dev/null
mkdir -p build-fuzz/artifacts
failed=0
run() {
    local target=$1 name=$2
    shift 2
    local work=build-fuzz/corpus/$name log=build-fuzz/$target.log
    mkdir -p "$work"
    local status=0
    "./build-fuzz/$target" "$work" "tests/fuzz/corpus/$name" "$@" -max_total_time="$seconds" \
        -timeout=10 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$target-" \
        >"$log" 2>&1 || status=$?
    local execs cov corpus
    execs=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
    corpus=$(find "$work" -type f | wc -l)
    if [ "$status" -ne 0 ]; then
        failed=1
        echo "$target: FAILED (status $status), see $log and build-fuzz/artifacts"
        grep -m3 -E 'ERROR|SUMMARY|deadly' "$log" || true
    else
        echo "$target: ${execs:-0} runs in ${seconds} s, coverage ${cov:-?} edges, corpus $corpus, no crash"
    fi
}
run fuzz_saved_files saved_files -max_len=512
run fuzz_scenario scenario tests/scenarios -dict=tests/fuzz/scenario.dict -max_len=4096
run fuzz_target_points target_points -max_len=64
run fuzz_name name -max_len=512
run fuzz_history history -max_len=8192
run fuzz_recovery recovery -max_len=65536
run fuzz_kept_hands kept_hands -max_len=8192
exit $failed
