#!/usr/bin/env bash
# Measures how fast the table follows the window to 1920 x 1080 and back under
# Xvfb: layout and a full repaint, then the card pictures drawn afresh once
# the resize has settled. Run after scripts/test.sh; prints two lines.
set -euo pipefail
cd "$(dirname "$0")/.."
display=${BENCH_DISPLAY:-:80}
Xvfb "$display" -screen 0 1920x1080x24 -noreset >/dev/null 2>&1 &
xvfb=$!
home=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
sleep 1
DISPLAY=$display HOME=$home XDG_RUNTIME_DIR=$home ./build/meldora-bench-resize "${RUNS:-9}" 2>/dev/null
