#!/usr/bin/env bash
# Checks what an install lays out, after a build in build/: installs into a
# staging folder (DESTDIR) and lists it, validates the menu entry and the
# AppStream metadata, renders the manual page, checks the icon sizes, then
# builds the Debian package and runs lintian on it. Any warning fails.
set -euo pipefail
cd "$(dirname "$0")/.."
stage=$PWD/build/stage
rm -rf "$stage"
DESTDIR=$stage cmake --install build >/dev/null
root=$stage/usr/local
echo "== DESTDIR install ($stage)"
(cd "$stage" && find . -mindepth 1 \( -type f -o -type l \) -printf '%M %6s %p\n' | sort -k3)

failed=0
check() { # NAME COMMAND...: runs the command; any output, or a failure, fails it.
    local name=$1 out rc=0
    shift
    out=$("$@" 2>&1) || rc=$?
    if [ $rc -ne 0 ] || [ -n "$out" ]; then
        echo "FAIL $name (exit $rc)"
        printf '%s\n' "$out" | sed 's/^/    /'
        failed=1
    else
        echo "ok   $name"
    fi
}
echo "== validators"
check "desktop-file-validate" desktop-file-validate "$root/share/applications/org.meldora.Meldora.desktop"
# --strict fails on warnings and infos alike; the tree check also finds the
# launchable desktop entry and the icon.
appstream() {
    local out
    out=$(appstreamcli "$@" 2>&1) || { printf '%s\n' "$out"; return 1; }
}
check "appstreamcli validate --no-net --strict" appstream validate --no-net --strict \
    "$root/share/metainfo/org.meldora.Meldora.metainfo.xml"
check "appstreamcli validate-tree --no-net --strict" appstream validate-tree --no-net --strict "$root"
manpage() {
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$root/share/man/man6/meldora.6.gz" >/dev/null
}
check "man page renders without warnings" manpage
icons() {
    for size in 16 32 48 64 128 256; do
        file -b "$root/share/icons/hicolor/${size}x$size/apps/org.meldora.Meldora.png" |
            grep -q "PNG image data, $size x $size," || echo "icon ${size}x$size is missing or of another size"
    done
}
check "icons at 16, 32, 48, 64, 128 and 256 pixels" icons
# The installed program loads its modules from lib/meldora: the first sound
# loads one as soon as the table is up, and a failure says so on stderr.
modules() {
    local home rc=0
    home=$(mktemp -d)
    HOME=$home XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.multimedia*=false' \
        timeout 3 "$root/bin/meldora" 2>&1 >/dev/null | grep 'cannot load' || true
    rm -rf "$home"
}
check "the installed program loads its modules" modules
# The translations and the rules in each language lie in share/meldora, and
# the installed program finds them: with a German desktop even its --help
# speaks German.
translations() {
    local home file
    for file in translations/meldora_de.qm translations/meldora_fr.qm mnuag.de.txt mnuag.fr.txt; do
        [ -s "$root/share/meldora/$file" ] || echo "share/meldora/$file is missing"
    done
    home=$(mktemp -d)
    HOME=$home XDG_RUNTIME_DIR=$home LANGUAGE=de QT_QPA_PLATFORM=offscreen \
        "$root/bin/meldora" --help 2>/dev/null | grep -q 'Rommé gegen Dorvil' ||
        echo "meldora --help does not speak German with LANGUAGE=de"
    rm -rf "$home"
}
check "the translations are installed and found" translations
# The version is written once, in the project() line of CMakeLists.txt; the
# program, the metadata, the manual page and the changelog's newest entry agree.
versions() {
    local v
    v=$(sed -n 's/^project(Meldora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    [ "$(QT_QPA_PLATFORM=offscreen "$root/bin/meldora" --version 2>/dev/null)" = "Meldora $v" ] ||
        echo "meldora --version does not say $v"
    grep -q "<release version=\"$v\"" "$root/share/metainfo/org.meldora.Meldora.metainfo.xml" ||
        echo "the metadata's release is not $v"
    zcat "$root/share/man/man6/meldora.6.gz" | grep -q "^\.TH MELDORA 6 .* \"Meldora $v\"" ||
        echo "the manual page is not of $v"
    head -1 dist/changelog | grep -q "^meldora ($v) " || echo "the changelog's newest entry is not $v"
}
check "one version everywhere" versions

echo "== Debian package"
deb=$(bash scripts/build-deb.sh 2>/dev/null)
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
# Lintian refuses nothing as root but says so on standard error.
lint=$(lintian --display-info "$deb" 2>/dev/null) || true
printf '%s\n' "$lint" | sed '/^$/d; s/^/    /'
if printf '%s\n' "$lint" | grep -q '^E:'; then
    echo "FAIL lintian reports errors"
    failed=1
else
    echo "ok   lintian: no errors"
fi
exit $failed
