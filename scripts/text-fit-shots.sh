#!/usr/bin/env bash
# Screenshots of every window and box with a 40-character name, in English,
# German and French, at the default size and at 1.5 times it, to look at
# whether every text fits its place: the table before the deal and in a
# hand, a hint, the target frame and its box, the questions of a new game
# and of leaving, the end of a hand and of a game (the demo plays them, to
# a target of 500 and then of 25), the Game History and its question, the
# rules, the about box, the Card Deck dialog, the name dialog, and the
# question after an interrupted game. Under openbox, on a display of its
# own, so that the windows' titles show as the desktop writes them (a
# window's picture includes its frame).
# Usage: text-fit-shots.sh [PROGRAM_FOLDER]  (default build/; the folder
# holding meldora, its modules and translations, for pictures of another
# build). Languages in $LANGUAGES (default "en de fr"), pictures in $SHOTS
# (default /tmp/meldora-text-fit), named LANGUAGE-SCALE-WHAT.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/table-geometry.sh
source scripts/own-display.sh
program=$(cd "${1:-build}" && pwd)
shots=${SHOTS:-/tmp/meldora-text-fit}
name="Karl-Theodor Maria Nikolaus Johann Jakob"
mkdir -p "$shots"
work=$(mktemp -d)
pid="" wm="" xvfb=""
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
own_display "$work" 1920x1080x24
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# The menu bar's command About, by its key in each language.
declare -A about_key=([en]=a [de]=b [fr]=r)
# The Game History's button Clear History, by its key.
declare -A clear_key=([en]=l [de]=l [fr]=f)

start() { # LANGUAGE: the program over the folder of this run, its window in $main
    env HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANGUAGE="$1" \
        QT_LOGGING_RULES='qt.multimedia*=false' "$work/program/meldora" --seed 1 \
        >>"$work/stderr" 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --pid "$pid" --name '^Meldora $' 2>/dev/null |
        head -1) && [ -n "$main" ]; do sleep 0.1; done
    sleep 1
}
stop() { kill -KILL "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=""; }
# Another visible window of the program than the table: a box or a window.
other() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$main\$" | tail -1; }
wait_other() { # a window other than the table that stays, or nothing after $1 seconds
    local w="" t=0
    while [ "$t" -lt $(($1 * 10)) ]; do
        w=$(other || true)
        if [ -n "$w" ]; then
            sleep 1.5
            [ "$(other || true)" = "$w" ] && { echo "$w"; return; }
        fi
        sleep 0.1
        t=$((t + 1))
    done
}
shot() { import -frame -window "$1" "$shots/$2.png"; }
keys() { xdotool windowactivate --sync "$main" key --delay 80 "$@"; sleep 0.8; }

for language in ${LANGUAGES:-en de fr}; do
    for scale in 1 1.5; do
        tag=$language-$scale
        rm -rf "$work/program" "$work/home" "$work/runtime"
        mkdir -p "$work/program" "$work/home" "$work/runtime"
        chmod 700 "$work/runtime"
        cp "$program"/meldora "$program"/meldora-*.so "$program"/*.wav "$program"/mnuag*.txt \
            "$work/program/"
        cp -r "$program"/translations "$work/program/"
        printf '"%s"\r\n' "$name" >"$work/program/Names2.dat"
        start "$language"
        if [ "$scale" = 1.5 ]; then xdotool windowsize --sync "$main" 1176 971; sleep 1.5; fi
        shot "$main" "$tag-table"
        table_geometry "$main"
        xdotool mousemove "$(px_x 5400)" "$(px_y 4300)" click 1
        sleep 5
        xdotool mousemove 1 1
        shot "$main" "$tag-hand"
        keys h
        shot "$main" "$tag-hint"
        keys s
        sleep 1
        keys h
        shot "$main" "$tag-hint-after-a-card"

        keys ctrl+c
        xdotool type --delay 80 500
        shot "$main" "$tag-target-frame"
        xdotool key Return
        box=$(wait_other 5) && shot "$box" "$tag-box-target-set"
        xdotool key Return
        sleep 0.5
        keys F2
        box=$(wait_other 5) && shot "$box" "$tag-box-new-game"
        xdotool key Right Return
        sleep 0.5
        keys ctrl+x
        box=$(wait_other 5) && shot "$box" "$tag-box-exit"
        xdotool key Right Return
        sleep 0.5

        # The demo plays a hand to its end, to 500: the end of a hand;
        # then to 25: the end of the game (a hand or two).
        keys d
        box=$(wait_other 240) && shot "$box" "$tag-box-end-of-hand" && shot "$main" "$tag-table-end-of-hand"
        xdotool key Return
        sleep 10 # the deal, and Dorvil's turn when he plays first
        keys ctrl+c BackSpace BackSpace BackSpace 2 5 Return
        wait_other 5 >/dev/null && xdotool key Return
        for hand in 1 2 3 4; do
            keys d
            box=$(wait_other 240)
            title=$(xdotool getwindowname "$box")
            shot "$box" "$tag-box-game-$hand"
            xdotool key Return
            sleep 1
            if box=$(wait_other 3) && [ -n "$box" ]; then # the game is over: play again?
                shot "$box" "$tag-box-play-again"
                xdotool key Return
                break
            fi
            echo "$tag: hand $hand ended with '$title', the game goes on"
            sleep 10
        done
        sleep 6

        keys ctrl+h
        history=$(wait_other 5) && shot "$history" "$tag-game-history"
        xdotool windowactivate --sync "$history" key "alt+${clear_key[$language]}"
        sleep 1
        box=$(other) && shot "$box" "$tag-box-clear-history"
        xdotool key Escape
        sleep 0.5
        xdotool windowactivate --sync "$history" key Escape
        sleep 0.5
        keys F1
        help=$(wait_other 5) && shot "$help" "$tag-rules"
        # Scrolled to its end and back a little: the tables of keys and menus.
        eval "$(xdotool getwindowgeometry --shell "$help")"
        xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click --repeat 80 --delay 10 5
        xdotool click --repeat 20 --delay 20 4
        sleep 0.5
        shot "$help" "$tag-rules-keys"
        xdotool windowactivate --sync "$help" key alt+F4
        sleep 0.5
        keys "alt+${about_key[$language]}"
        about=$(wait_other 5) && shot "$about" "$tag-about"
        xdotool key Escape
        sleep 0.5
        keys ctrl+d
        decks=$(wait_other 10) && shot "$decks" "$tag-card-deck"
        xdotool key Escape
        sleep 0.5
        keys ctrl+n
        dialog=$(wait_other 5) && shot "$dialog" "$tag-name-dialog"
        xdotool key Escape
        sleep 0.5
        shot "$main" "$tag-table-after-cancel"

        # Killed in the middle of a hand, the game asks at the next start.
        table_geometry "$main"
        keys s
        stop
        start "$language"
        box=$(wait_other 5) && shot "$box" "$tag-box-interrupted"
        xdotool key Return
        sleep 1
        stop
    done
done
echo "screenshots in $shots"
