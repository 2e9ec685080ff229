#!/usr/bin/env bash
# Builds the Debian package and tries it as a new player would, in a bare
# Debian 12 root: mmdebstrap (minbase) with this machine's own apt sources,
# the package installed there by apt-get with its dependencies only (no
# recommendations, so that the hard dependencies must suffice). Then, inside
# that root: `meldora --version`; the game started offscreen; and the game
# on an X server, started by a fresh user and by root, given F1 (the rules),
# Ctrl+E (Erase Statistics, which rewrites Scores.dat) and Ctrl+X (Exit).
# Every file the game opens is traced, so the checks see where it found its
# sounds, rules text, deck and fonts, and where it wrote its statistics.
# Needs root; takes a few minutes. Screenshots go to $SHOTS (default: the
# work folder, which is kept with its logs when a check fails or KEEP=1).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "package-test.sh makes a chroot: run it as root"; exit 1; }
bash scripts/install-packages.sh play test
deb=$(bash scripts/build-deb.sh 2>/dev/null)
work=$(mktemp -d /tmp/meldora-package-test.XXXXXX)
root=$work/root
shots=${SHOTS:-$work}
mkdir -p "$shots"
failed=0
xvfb=
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    # Nothing of the host may still be mounted in the root when it goes.
    if [ "${KEEP:-0}" = 0 ] && [ $failed = 0 ] && ! grep -q " $root/" /proc/mounts; then
        rm -rf "$work"
    else
        echo "kept $work"
    fi
}
trap cleanup EXIT
ok() { echo "ok   $*"; }
fail() { echo "FAIL $*"; failed=1; }
in_root() { chroot "$root" "$@"; }
as_player() { chroot "$root" su - "$1" -c "$2"; }

echo "== bare Debian 12 root ($root)"
source scripts/bare-root.sh
bare_root "$root" "$work/mmdebstrap.log"
cp "$deb" "$root/tmp/"

echo "== apt-get install $(basename "$deb")"
in_root apt-get update -qq >"$work/apt.log" 2>&1
before=$(in_root dpkg-query -W | wc -l)
DEBIAN_FRONTEND=noninteractive in_root apt-get install -y --no-install-recommends \
    "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1 || { tail -20 "$work/apt.log"; fail "apt-get install"; exit 1; }
grep -E '^(Need to get|After this operation)' "$work/apt.log" || true
echo "$(($(in_root dpkg-query -W | wc -l) - before)) packages installed"
in_root dpkg -L meldora | grep -E '^/usr/(games|share/meldora)/' | sed 's/^/    /'

echo "== meldora --version"
in_root useradd --create-home player
version=$(as_player player 'meldora --version' 2>"$work/version.err") || true
echo "    $version"
sed 's/^/    stderr: /' "$work/version.err"
expected=$(sed -n 's/^project(Meldora VERSION \([0-9.]*\).*/Meldora \1/p' CMakeLists.txt)
[ "$version" = "$expected" ] && ok "prints the version" || fail "prints the version"

# The files the game opened: every successful openat in $1's trace.
opened() { grep -o 'openat([^"]*"[^"]*"' "$1" | sed 's/.*"\(.*\)"/\1/' | sort -u; }
expect_opened() { # TRACE NAME PATTERN
    local hit
    hit=$(opened "$1" | grep -E "$3" | tr '\n' ' ')
    [ -n "$hit" ] && ok "$2: $hit" || fail "$2 (nothing opened matches $3)"
}
expect_data() { # TRACE
    expect_opened "$1" "sounds" '^/usr/share/meldora/(Card|down|Shuffle|ringout)\.wav$'
    expect_opened "$1" "card deck" '^/usr/share/carddecks/svg-standard/standard\.svgz$'
    expect_opened "$1" "table fonts" '/Liberation(Serif|Sans)-'
}

echo "== started offscreen by player, stopped after 5 s"
rc=0
strace -f -qq -e trace=openat -e status=successful -o "$work/offscreen.trace" \
    chroot "$root" su - player -c \
    'XDG_RUNTIME_DIR=$(mktemp -d) QT_QPA_PLATFORM=offscreen timeout 5 meldora' \
    >"$work/offscreen.log" 2>&1 || rc=$?
[ $rc = 124 ] && ok "still running after 5 s" || fail "ended early with exit $rc"
expect_data "$work/offscreen.trace"
if grep -iE 'no card deck|cannot load|could not load|failed to' "$work/offscreen.log"; then
    fail "start-up complaints on standard error"
fi

echo "== on an X server, Xvfb (the host's), driven with xdotool"
# The game runs inside the root with the root's own libraries only; it
# reaches the host's X server through its abstract socket.
# XVFB_DISPLAY=N takes display :N; by default the first free one.
if [ -n "${XVFB_DISPLAY:-}" ]; then
    Xvfb ":$XVFB_DISPLAY" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
    echo "$XVFB_DISPLAY" >"$work/display"
    sleep 1
else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset 3>"$work/display" >/dev/null 2>&1 &
fi
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
window() { # TITLE: waits up to 30 s for a visible window with that title
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 && return 0
        sleep 0.1
    done
    return 1
}
play_as() { # USER HOME COMMAND SHOTNAME
    local user=$1 home=$2 command=$3 shot=$4 trace=$work/x-$1.trace pid main rc=0
    echo "-- $command, as $user"
    strace -f -qq -e trace=openat -e status=successful -o "$trace" \
        chroot "$root" su - "$user" -c \
        "XDG_RUNTIME_DIR=\$(mktemp -d) DISPLAY=$DISPLAY $command" >"$work/x-$user.log" 2>&1 &
    pid=$!
    if ! main=$(window 'Meldora '); then
        fail "no table window"
        sed 's/^/    stderr: /' "$work/x-$user.log"
        kill "$pid" 2>/dev/null || true
        return
    fi
    sleep 1
    [ -z "$shot" ] || import -window root "$shots/$shot-table.png"
    xdotool windowfocus --sync "$main" key F1
    if window 'Meldora Help' >/dev/null; then
        sleep 1
        [ -z "$shot" ] || import -window root "$shots/$shot-help.png"
        ok "F1 opens the rules"
    else
        fail "F1 opens no help window"
    fi
    xdotool windowfocus --sync "$main" key ctrl+e
    sleep 1
    xdotool windowfocus --sync "$main" key ctrl+x
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "still running 10 s after Ctrl+X"
        kill "$pid"
    fi
    wait "$pid" || rc=$?
    [ $rc = 0 ] && ok "Ctrl+X ends it with exit 0" || fail "exit $rc after Ctrl+X"
    expect_data "$trace"
    expect_opened "$trace" "rules text" '^/usr/share/meldora/mnuag\.txt$'
    local scores=$root$home/.local/share/Meldora/Scores.dat
    if [ -f "$scores" ]; then
        ok "statistics written: $home/.local/share/Meldora/Scores.dat: $(sed -n l "$scores")"
    else
        fail "no $home/.local/share/Meldora/Scores.dat"
    fi
    [ -s "$work/x-$user.log" ] && sed 's/^/    stderr: /' "$work/x-$user.log"
    return 0
}
# Root's search path has no /usr/games on Debian: root names the program.
play_as player /home/player meldora installed
play_as root /root /usr/games/meldora ""
stray=$(find "$root/usr" "$root/etc" -name 'Scores.dat' -o -name 'Names2.dat' | sed "s|^$root||")
[ -z "$stray" ] && ok "no saved file outside the users' data folders" || fail "saved files in: $stray"

[ $failed = 0 ] && echo "package test passed" || echo "package test FAILED"
exit $failed
