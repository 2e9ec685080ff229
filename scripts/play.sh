#!/usr/bin/env bash
# Installs what building and playing need when it is missing, builds the game
# and its modules if needed (not the tests), then opens the table. Extra
# arguments go to the game (for example --seed 7).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --game
exec ./build/meldora "$@"
