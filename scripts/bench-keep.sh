#!/usr/bin/env bash
# The cost of keeping a hand on the window's thread and of judging a kept
# hand. Usage: scripts/bench-keep.sh [BUILD_FOLDER] [HANDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j2 --target meldora-bench-keep >/dev/null
"$build/meldora-bench-keep" "${2:-1200}"
