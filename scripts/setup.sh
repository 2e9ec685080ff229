#!/usr/bin/env bash
# Installs what Meldora needs on Debian 12 when it is missing, and builds it
# (not with --packages-only).
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(g++ cmake make qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-charts-dev
          kdegames-card-data-kf5 fonts-liberation xvfb xdotool imagemagick openbox
          dpkg-dev file desktop-file-utils appstream lintian man-db
          python3-pyatspi at-spi2-core dbus-x11)
packages+=(clang-14 libclang-rt-14-dev) # the fuzz targets
packages+=(qt6-tools-dev qt6-l10n-tools qt6-translations-l10n) # translations: lupdate, lrelease, Qt's own
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >/dev/null
fi
[ "${1:-}" = "--packages-only" ] && exit 0
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
