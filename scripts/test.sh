#!/usr/bin/env bash
# Sets up and builds Meldora if needed, checks what an install lays out and
# the Debian package, then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-install.sh
ctest --test-dir build --output-on-failure
