#!/usr/bin/env bash
# The review of a hand and Play This Deal Again, in the real window under
# Xvfb: a hand is played with keys to its end, its review is opened from the
# end box (R), stepped forward and back with the keys and shows its
# judgement; in the next hand the review is opened again (R) and the deal is
# played again (D): the practice hand holds the kept hand's cards, is
# abandoned (New Game), and the game in progress comes back as it was, by
# its accessible names, with the statistics, the history, the kept hands and
# the recovery file untouched. Screenshots and accessibility dumps go to
# $SHOTS (default /tmp/meldora-review). Prints one line per check; exit 1 on
# a failure. Every wait has a deadline.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MELDORA_REVIEW_BUS:-}" ]; then # a private session bus for the accessibility bus
    MELDORA_REVIEW_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source scripts/table-geometry.sh
source scripts/own-display.sh
source scripts/window-test-env.sh
shots=${SHOTS:-/tmp/meldora-review}
seed=${SEED:-5}
mkdir -p "$shots"
window_test_env 1280x1024x24
copy_program
export LANGUAGE=en LANG=C.UTF-8

"$work/program/meldora" --seed "$seed" >>"$work/stderr" 2>&1 &
pid=$!
shown() { main=$(xdotool search --onlyvisible --name '^Meldora $' 2>/dev/null | head -1) && [ -n "$main" ]; }
if ! wait_for 30 shown; then
    echo "FAIL the program shows its window; its standard error:"
    sed 's/^/    /' "$work/stderr"
    exit 1
fi
sleep 1
table_geometry "$main"
other_window() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | head -1; }
window_named() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -1; }
box() { # the game's message box: a window of ours that is neither the table nor the review
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | while read -r w; do
        [ "$w" = "$main" ] && continue
        [ "$(xdotool getwindowname "$w")" = "Review Hand" ] && continue
        echo "$w"
        break
    done
}
box_title() { local b; b=$(box) && [ -n "$b" ] && xdotool getwindowname "$b"; }
click_twips() { xdotool mousemove "$(px_x "$1")" "$(px_y "$2")" click 1; }
player() { /usr/bin/python3 scripts/key-player.py "$@"; }
read_review() { /usr/bin/python3 scripts/review-read.py review; }
rest() { xdotool mousemove 1 1; sleep 1.5; }
names() { # the table as a screen reader reads it, but the announcements and the focus
    /usr/bin/python3 scripts/a11y-listen.py dump | sed 's/  (.*)$//' | awk '
        /^\[/ { table = /^\[frame\]/ }
        { match($0, /^ */); depth = RLENGTH }
        skip && depth > at { next }
        { skip = 0 }
        /\[status bar\]/ { skip = 1; at = depth; next }
        table'
}
files() { # the bytes of everything that counts a hand
    for f in Scores.dat History.csv Hands.txt Recovery.dat; do
        if [ -f "$work/program/$f" ]; then sha1sum "$work/program/$f"; else echo "none $f"; fi
    done
}
# Plays with keys until a box tells the hand's end (its title printed) or the
# turn limit; boxes on the way are answered.
play_to_end() {
    local title state plan
    for _ in $(seq 600); do
        title=$(box_title || true)
        case $title in
        *"win the hand"* | *"wins the Hand"* | *Beaten* | *"Wins Game"*) echo "$title"; return ;;
        ?*)
            xdotool windowfocus --sync "$(box)" key Return
            sleep 0.5
            continue
            ;;
        esac
        xdotool windowfocus --sync "$main" 2>/dev/null || true
        read -r state _ <<<"$(player state) x"
        case $state in
        take) xdotool key --delay 250 "$(player take)"; sleep 1.2 ;;
        meld)
            plan=$(player play "$work/melded")
            # shellcheck disable=SC2086
            [ -n "$plan" ] && xdotool key --delay 250 $plan
            sleep 1
            ;;
        gone) return ;;
        *) sleep 0.4 ;;
        esac
    done
}

click_twips 5400 4300 # the pack: the deal
sleep 6
ended=$(play_to_end)
import -window root "$shots/hand-ended.png"
check "a hand is played to its end (\"$ended\")" test -n "$ended"
[ -n "$ended" ] || exit 1
sleep 1 # the kept hand is written off the window's thread

xdotool windowfocus --sync "$(box)" key r
review_shows() { [ -n "$(window_named "Review Hand")" ]; }
check "R in the end box opens the review" wait_for 10 review_shows
review=$(window_named "Review Hand")
judged() { [[ $(read_review | sed -n 1p) != *Judging* ]]; }
check "the review shows its judgement" wait_for 30 judged
mapfile -t at_deal < <(read_review)
kept_hand=$(sed 's/.*Your hand: \(.*\)\.$/\1/' <<<"${at_deal[3]}" | tr ',' '\n' | sed 's/^ *//' | sort | paste -sd, | sed 's/,/, /g')
check "the review's table names both hands at the deal" test -n "$kept_hand"
xdotool windowfocus --sync "$review" key Right Right Right
sleep 0.5
mapfile -t now < <(read_review)
check "Right steps forward (\"${now[1]:0:60}\")" grep -q "^3\. " <<<"${now[1]}"
xdotool windowfocus --sync "$review" key Left
sleep 0.5
mapfile -t now < <(read_review)
check "Left steps back (\"${now[1]:0:60}\")" grep -q "^2\. " <<<"${now[1]}"
line=""
for _ in $(seq 60); do # the player's decisions carry the judgement line
    mapfile -t now < <(read_review)
    [ -n "${now[2]}" ] && { line=${now[2]}; break; }
    xdotool windowfocus --sync "$review" key Right
    sleep 0.3
done
check "a judgement line shows (\"${line:0:70}\")" test -n "$line"
import -window "$review" "$shots/review.png"
xdotool windowfocus --sync "$review" key Escape
review_gone() { [ -z "$(window_named "Review Hand")" ]; }
check "Escape closes the review" wait_for 10 review_gone
# the next hand, whose table is the game in progress
xdotool windowfocus --sync "$(box)" key Return
at_turn() { [ -z "$(box_title || true)" ] && [ "$(player state | cut -d' ' -f1)" = take ]; }
check "the next hand comes to the player's turn" wait_for 60 at_turn
rest
names >"$shots/before-practice.txt"
import -window "$main" "$shots/before-practice.png"
counted=$(files)

xdotool windowfocus --sync "$main" key r
check "R opens the review of the kept hand" wait_for 10 review_shows
review=$(window_named "Review Hand")
xdotool windowfocus --sync "$review" key d
check "D leaves the review" wait_for 10 review_gone
practising() { [ "$(/usr/bin/python3 scripts/review-read.py practice)" = 1 ]; }
check "the table says the hand is practice" wait_for 20 practising
check "the practice hand comes to the player's turn" wait_for 60 at_turn
practice_hand=$(/usr/bin/python3 scripts/review-read.py hand)
import -window "$main" "$shots/practice.png"
check "the practice hand holds the kept deal's cards ($practice_hand)" \
    test "$practice_hand" = "$kept_hand"
xdotool windowfocus --sync "$main" key F2 # New Game: leaves the practice
asked=""
wait_for 10 box_title >/dev/null && asked=$(box_title) && xdotool windowfocus --sync "$(box)" key Return
check "New Game asks first (\"$asked\")" test -n "$asked"
not_practising() { ! practising; }
check "the practice ends" wait_for 20 not_practising
rest
names >"$shots/after-practice.txt"
import -window "$main" "$shots/after-practice.png"
check "the game in progress comes back, by its accessible names" \
    cmp -s "$shots/before-practice.txt" "$shots/after-practice.txt"
check "statistics, history, kept hands and recovery file untouched" test "$(files)" = "$counted"
if grep -q 'cannot\|error' "$work/stderr"; then
    echo "standard error:"
    sed 's/^/    /' "$work/stderr"
fi
exit $failed
