#!/usr/bin/env bash
# The window's close under a Wayland compositor: the game runs as a native
# Wayland client of a headless sway, deals with a key, and the compositor's
# close (what a title bar's close button or Alt+F4 sends) must bring the
# "Really Exit?" question, not end the game; "Continue Game" keeps it. The
# same close while another message box waits is refused, as under X11; and
# "Yes Exit" then ends the program and takes the recovery file with it.
# sway refuses to run as root: as root the test makes a system user of its
# own (meldora-wayland) and runs the compositor and the game as that user.
# Usage: wayland-test.sh [FOLDER]: the folder with meldora, its modules and
# its data files (default build/; the data comes from data/ when the folder
# lacks it). Prints one line per check; exit 1 on a failure, 2 when the
# compositor or a tool is missing. Every wait has a deadline.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build}
user=meldora-wayland
for tool in sway swaymsg wtype python3 setpriv; do
    command -v "$tool" >/dev/null || { echo "wayland-test.sh: no $tool (scripts/packages/test.txt)" >&2; exit 2; }
done
[ -x "$folder/meldora" ] || { echo "wayland-test.sh: no $folder/meldora: build first" >&2; exit 2; }
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "wayland-test.sh: no Qt Wayland platform plugin (qt6-wayland)" >&2
    exit 2
fi

work=$(mktemp -d)
chmod 755 "$work"
mkdir -p "$work/program" "$work/home" "$work/run"
cp data/* "$work/program/"
cp "$folder/meldora" "$folder"/meldora-*.so "$work/program/"
printf 'xwayland disable\noutput HEADLESS-1 resolution 1280x1024\n' >"$work/sway.conf"
as=()
if [ "$(id -u)" = 0 ]; then
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user" ||
        id "$user" >/dev/null # made meanwhile by another run
    chown -R "$user:" "$work"
    # setpriv execs, so that the process ids below are the programs' own.
    as=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups --)
fi
chmod 700 "$work/run"
session=()
run() { # COMMAND...: as the test's user, in the compositor's session once it runs
    timeout 20 "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        "${session[@]}" "$@"
}
# The same in the background, with $! the program's own process (setpriv
# and env exec it), so that the clean-up ends it and nothing else.
spawn() {
    "${as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        "${session[@]}" "$@" &
}
sway_pid="" game=""
cleanup() {
    for p in $game $sway_pid; do kill -KILL "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP
failed=0
check() { # NAME CONDITION...
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failed=1; fi
}
until_true() { # SECONDS CONDITION...: whether it held within SECONDS
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.1
    done
}

spawn WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1
sway_pid=$!
ready() { ls "$work"/run/wayland-[0-9] "$work"/run/sway-ipc.*.sock >/dev/null 2>&1; }
if ! until_true 10 ready; then
    echo "wayland-test.sh: sway did not start:" >&2
    tail -5 "$work/sway.log" >&2
    exit 2
fi
session=(WAYLAND_DISPLAY="$(basename "$(ls "$work"/run/wayland-[0-9] | head -1)")"
    SWAYSOCK="$(ls "$work"/run/sway-ipc.*.sock | head -1)")

# The windows of the game, one "TITLE" a line, as the compositor knows them.
windows() {
    run swaymsg -r -t get_tree 2>/dev/null | python3 -c '
import json, sys
def walk(node):
    if node.get("app_id") == "org.meldora.Meldora":
        print(node.get("name") or "")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
shows() { windows | grep -qx -- "$1"; }
gone() { ! shows "$1"; }
alive() { kill -0 "$game" 2>/dev/null; }
ended() { ! alive; }
# Each key is pressed and let go with a pause before, between and after: a
# new virtual keyboard's first quick key is lost before the game has its map.
key() { local k; for k; do run wtype -s 300 -P "$k" -s 100 -p "$k" -s 100 || true; done; } # KEY...: xkb key names
# The compositor's close, sent to the table's window alone.
close_table() { run swaymsg "[app_id=\"org.meldora.Meldora\" title=\"^Meldora \$\"] kill" >/dev/null || true; }

# A fresh game, dealt with a key, at rest in the middle of its first hand.
deal() {
    rm -f "$work/program/Recovery.dat"
    spawn QT_QPA_PLATFORM=wayland QT_LOGGING_RULES='qt.multimedia*=false' \
        "$work/program/meldora" --seed 1 >>"$work/game.log" 2>&1
    game=$!
    check "the table shows as a Wayland window" until_true 15 shows "Meldora "
    key F2
    check "a key deals, and the game is kept once the deal is done" \
        until_true 15 test -s "$work/program/Recovery.dat"
    sleep 1
}
running_without() { alive && gone "$1"; }
stop_game() {
    kill -KILL "$game" 2>/dev/null || true
    wait "$game" 2>/dev/null || true
    game=""
}

echo "== the compositor's close in the middle of a hand"
deal
close_table
check "the compositor's close asks \"Really Exit?\"" until_true 5 shows "Really Exit?"
if ! alive; then
    check "the game is still running after the close (it ended at once)" false
    game=""
else
    key Right Return # "Continue Game"
    check "\"Continue Game\" keeps the game" until_true 5 running_without "Really Exit?"
    close_table
    check "the compositor's close asks again" until_true 5 shows "Really Exit?"
    key Return # "Yes Exit"
    check "\"Yes Exit\" ends the program" until_true 10 ended
    status=0
    wait "$game" 2>/dev/null || status=$?
    game=""
    check "it ends with status 0 (got $status)" test "$status" = 0
    check "leaving on purpose takes the recovery file away" test ! -e "$work/program/Recovery.dat"
fi

echo "== the same close while a message box waits"
deal
key F2 # "Really New Game?", while the hand is under way
check "F2 in the middle of the game asks \"Really New Game?\"" until_true 5 shows "Really New Game?"
close_table
sleep 1.5
check "the close is refused: the game runs on, asking nothing more" running_without "Really Exit?"
check "the close is refused: the box still waits" shows "Really New Game?"
key Right Return # "Oops No"
check "the box is answered, and the game goes on" until_true 5 running_without "Really New Game?"
stop_game

[ $failed = 0 ] || { echo "== the game's standard error"; cat "$work/game.log"; }
exit $failed
