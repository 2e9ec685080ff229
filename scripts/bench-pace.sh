#!/usr/bin/env bash
# Measures the pace of play in the real window under Xvfb: a deal and one of
# Dorvil's turns at the Normal and the Quick pace, each beside the pauses the
# game asked for and those pauses at the pace. SEEDS (default 5) hands each.
# Run after scripts/test.sh; prints a table.
set -euo pipefail
cd "$(dirname "$0")/.."
home=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
source scripts/own-display.sh
own_display "$home" 1280x1024x24
HOME=$home XDG_RUNTIME_DIR=$home QT_LOGGING_RULES='qt.multimedia*=false' \
    ./build/meldora-bench-pace "${SEEDS:-5}" 2>/dev/null
