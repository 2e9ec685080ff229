#!/usr/bin/env bash
# The game comes back after a kill, in the real window under Xvfb: the table
# is played with the pointer into the middle of a hand, the program is killed
# with SIGKILL, started again, and the player carries on at its question
# (Enter); the table must be the same, by its accessible names and by a grab
# of the window, and the hand is then played out with keys to its end.
# Screenshots and accessibility dumps go to $SHOTS (default
# /tmp/meldora-recovery). Prints one line per check; exit 1 on a failure.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MELDORA_RECOVERY_BUS:-}" ]; then # a private session bus for the accessibility bus
    MELDORA_RECOVERY_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source scripts/table-geometry.sh
source scripts/own-display.sh
source scripts/window-test-env.sh
shots=${SHOTS:-/tmp/meldora-recovery}
seed=${SEED:-3}
mkdir -p "$shots"
window_test_env 1280x1024x24
copy_program

start() { # a program that shows no window within 30 s fails the test, never hangs it
    "$work/program/meldora" --seed "$seed" >>"$work/stderr" 2>&1 &
    pid=$!
    local deadline=$((SECONDS + 30))
    until main=$(xdotool search --onlyvisible --name '^Meldora $' 2>/dev/null | head -1) &&
        [ -n "$main" ]; do
        if ! kill -0 "$pid" 2>/dev/null || ((SECONDS > deadline)); then
            echo "FAIL the program shows its window; its standard error:"
            sed 's/^/    /' "$work/stderr"
            exit 1
        fi
        sleep 0.05
    done
    sleep 1
    # The window first found can be gone by now (BadWindow): look it up again.
    for _ in 1 2 3 4 5; do
        main=$(xdotool search --onlyvisible --pid "$pid" --name '^Meldora $' 2>/dev/null | head -1) &&
            [ -n "$main" ] && table_geometry "$main" 2>/dev/null && return
        sleep 0.5
    done
    echo "FAIL the program's window can be measured"
    exit 1
}
message_box() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | head -1; }
box_title() { local box; box=$(message_box) && [ -n "$box" ] && xdotool getwindowname "$box"; }
click_twips() { xdotool mousemove "$(px_x "$1")" "$(px_y "$2")" click 1; }
drag_twips() {
    xdotool mousemove "$(px_x "$1")" "$(px_y "$2")" mousedown 1
    for i in 1 2 3 4 5 6; do
        xdotool mousemove "$(px_x $(($1 + ($3 - $1) * i / 6)))" "$(px_y $(($2 + ($4 - $2) * i / 6)))"
        sleep 0.03
    done
    xdotool mouseup 1
}
# The table as a screen reader reads it, without the states that a new
# start changes (the keyboard focus).
# Only the table window is compared, and not the line the announcements go
# out through, whose latest words a new start does not repeat.
names() {
    /usr/bin/python3 scripts/a11y-listen.py dump | sed 's/  (.*)$//' | awk '
        /^\[/ { table = /^\[frame\]/ }
        { match($0, /^ */); depth = RLENGTH }
        skip && depth > at { next }
        { skip = 0 }
        /\[status bar\]/ { skip = 1; at = depth; next }
        table'
}
player() { /usr/bin/python3 scripts/key-player.py "$@"; }
rest() { xdotool mousemove 1 1; sleep 1.5; }

start
click_twips 5400 4300 # the pack: the deal
sleep 6
for turn in 1 2; do
    click_twips 1160 3640 # a stock card
    sleep 1.5
    drag_twips 3360 7800 1000 5500 # the first card of the hand onto the pile
    sleep 7                        # Dorvil's turn
done
rest
import -window "$main" "$shots/before-kill.png"
names >"$shots/before-kill.txt"
check "a recovery file is kept in the middle of the hand" test -s "$work/program/Recovery.dat"
kill -KILL "$pid"; disown "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
pid=""

start
title=$(box_title || true)
check "the next start asks whether to carry on (\"$title\")" test "$title" = "Game Interrupted"
import -window root "$shots/question.png"
xdotool windowfocus --sync "$(message_box)" key Return
sleep 1.5
xdotool windowfocus --sync "$main" 2>/dev/null || true
rest
import -window "$main" "$shots/after-restart.png"
names >"$shots/after-restart.txt"
check "the same cards in the same places, by their accessible names" \
    cmp -s "$shots/before-kill.txt" "$shots/after-restart.txt"
ae=$(compare -metric AE "$shots/before-kill.png" "$shots/after-restart.png" null: 2>&1 || true)
check "the same window, pixel for pixel (AE $ae)" test "$ae" = 0

# The hand played out with keys, by the player of scripts/demo-keys.sh: it
# takes, lays what it can and discards, until a box tells the hand's end.
ended=""
for step in $(seq 600); do
    title=$(box_title || true)
    case $title in
    *"win the hand"* | *"wins the Hand"* | *Beaten* | *"Wins Game"*)
        ended=$title
        break
        ;;
    ?*)
        xdotool windowfocus --sync "$(message_box)" key Return
        sleep 0.5
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        continue
        ;;
    esac
    read -r state _ <<<"$(player state) x"
    case $state in
    take) xdotool key --delay 250 "$(player take)"; sleep 1.2 ;;
    meld)
        plan=$(player play "$work/melded")
        # shellcheck disable=SC2086
        [ -n "$plan" ] && xdotool key --delay 250 $plan
        sleep 1
        ;;
    gone) break ;;
    *) sleep 0.4 ;;
    esac
done
import -window root "$shots/hand-ended.png"
check "the hand is played to its end (\"$ended\")" test -n "$ended"
# The hand carried on is kept for its review, from its deal (the file's
# header line and one line a hand).
sleep 0.5
kept=$(($(find "$work" -name Hands.txt -exec cat {} + 2>/dev/null | wc -l) - 1))
check "the hand carried on is kept for review ($kept kept)" test "$kept" = 1
if grep -q 'cannot\|error' "$work/stderr"; then
    echo "standard error:"
    sed 's/^/    /' "$work/stderr"
fi
exit $failed
