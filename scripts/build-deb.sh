#!/usr/bin/env bash
# Builds the Debian package meldora_<version>_<arch>.deb in build-deb/: prefix
# /usr with the program in /usr/games as Debian's policy for games asks,
# Debian's hardening flags, no test programs. Prints the package's path.
# The packaging tools (dpkg-dev, file) come with the test list.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh play test >&2
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games >/dev/null
cmake --build build-deb -j"$(nproc)" >/dev/null
(cd build-deb && cpack -G DEB >/dev/null)
ls "$PWD"/build-deb/meldora_*.deb
