#!/usr/bin/env bash
# Installs what building and playing Meldora need on Debian 12 when it is
# missing (scripts/packages/play.txt) and builds it in build/: everything
# (the game, its install files, the test and benchmark programs), or with
# --game only the game and its modules; --packages-only installs and stops.
# The build folder is configured once; after that the build itself notices a
# changed CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh play
[ "${1:-}" = "--packages-only" ] && exit 0
if [ ! -f build/CMakeCache.txt ] || { [ ! -f build/Makefile ] && [ ! -f build/build.ninja ]; }; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
# Even with nothing to do, a make pass over the game's targets takes a second
# or two (some forty runs of cmake for Qt's code generators), which a player
# starting the game would wait for. So a build that succeeded stamps the
# time it began, and the game's build is skipped while the game and its
# modules are there and nothing in the clone (but the build folders) nor the
# build's configuration is newer than that stamp.
stamp=build/.game-built
if [ "${1:-}" = "--game" ] && [ -f "$stamp" ] && [ -x build/meldora ] && [ -f build/meldora-sound.so ] &&
    [ -f build/meldora-history.so ] && [ ! build/CMakeCache.txt -nt "$stamp" ] &&
    [ -z "$(find . -mindepth 1 \( -path './build*' -o -path ./.git \) -prune -o -newer "$stamp" -print -quit)" ]; then
    exit 0
fi
touch build/.build-began
if [ "${1:-}" = "--game" ]; then
    cmake --build build -j"$(nproc)" --target meldora
else
    cmake --build build -j"$(nproc)"
fi
mv build/.build-began "$stamp"
