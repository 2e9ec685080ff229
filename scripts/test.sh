#!/usr/bin/env bash
# Installs what building and testing need when it is missing (the lists
# play.txt and test.txt in scripts/packages), builds everything if needed,
# checks the package lists against the build, checks what an install lays
# out and the Debian package, then runs every test, the recovery of a killed
# game in the real window, and a hand played under the Orca screen reader
# (scripts/orca-test.sh).
# --sanitize: builds everything again in build-asan with AddressSanitizer and
# UndefinedBehaviorSanitizer (any finding stops the program) and runs every
# test there, then 20 000 hands of self-play.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh play test
bash scripts/setup.sh
if [ "${1:-}" != "--sanitize" ]; then
    bash scripts/check-packages.sh
    bash scripts/check-install.sh
    ctest --test-dir build --output-on-failure
    bash scripts/recovery-window-test.sh
    bash scripts/orca-test.sh # a hand played with keys, as the Orca screen reader speaks it
    exit
fi
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
# (the optimiser cannot see through the checks and warns of harmless reads)
warnings="-Wno-maybe-uninitialized"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags $warnings" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_MODULE_LINKER_FLAGS="$flags" >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure
./build-asan/meldora-sim --self-play 20000 --seed 1
