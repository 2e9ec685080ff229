#!/usr/bin/env bash
# Sets up and builds Meldora if needed, then opens the table. Extra arguments
# go to the game (for example --seed 7).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec ./build/meldora "$@"
