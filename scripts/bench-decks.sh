#!/usr/bin/env bash
# Measures how fast the table takes another card deck under Xvfb at 1920 x
# 1080, the window filling the screen and a hand dealt: for every installed
# deck, from Enter in the Card Deck dialog (the deck read while the player
# looked at it) and from the choice with the deck still to be read, to the
# table repainted; then how soon the pack shows with the largest deck chosen
# at start-up. Run after scripts/setup.sh; prints a table of figures.
set -euo pipefail
cd "$(dirname "$0")/.."
home=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
source scripts/own-display.sh
own_display "$home" 1920x1080x24
HOME=$home XDG_RUNTIME_DIR=$home ./build/meldora-bench-decks 2>/dev/null
