#!/usr/bin/env bash
# Screenshots of the review window under Xvfb, in English and German, at the
# table's design size and at 1.5 times (QT_SCALE_FACTOR), with the judgement
# of a move shown: review-LANGUAGE-SCALE.png in $SHOTS (default
# /tmp/meldora-review-shots). The hands reviewed are three of self-play.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${MELDORA_SHOTS_BUS:-}" ]; then
    MELDORA_SHOTS_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
source scripts/own-display.sh
source scripts/window-test-env.sh
shots=${SHOTS:-/tmp/meldora-review-shots}
mkdir -p "$shots"
window_test_env 1920x1200x24
mkdir -p "$work/kept"
build/meldora-sim --self-play 3 --seed 7 --keep-hands --data "$work/kept" --player hint >/dev/null
window_named() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null | head -1; }
for language in en de; do
    for scale in 1 1.5; do
        rm -rf "$work/program"
        copy_program
        cp -r build/translations "$work/program/"
        cp "$work/kept"/* "$work/program/"
        LANGUAGE=$language LANG=$([ $language = de ] && echo de_DE.UTF-8 || echo en_GB.UTF-8) \
            QT_SCALE_FACTOR=$scale "$work/program/meldora" --seed 5 >/dev/null 2>&1 &
        pid=$!
        main=""
        shown() { main=$(window_named "Meldora "); [ -n "$main" ]; }
        wait_for 30 shown || { echo "no window ($language, $scale)"; exit 1; }
        sleep 1
        xdotool windowfocus --sync "$main" key F2 # deals
        sleep 8
        xdotool windowfocus --sync "$main" key r
        review=""
        opened() { review=$(xdotool search --all --onlyvisible --pid "$pid" --name "." 2>/dev/null | grep -v "^$main\$" | head -1); [ -n "$review" ]; }
        wait_for 10 opened || { echo "no review ($language, $scale)"; exit 1; }
        sleep 4 # the judgement
        xdotool windowfocus --sync "$review" key Right
        sleep 1
        import -window "$review" "$shots/review-$language-$scale.png"
        echo "$shots/review-$language-$scale.png"
        kill -KILL "$pid"
        wait "$pid" 2>/dev/null || true
        pid=""
    done
done
