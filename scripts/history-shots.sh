#!/usr/bin/env bash
# Screenshots of the Game History window at its default size, in English and
# German, over a history of games against each Dorvil: games played by the
# simulator's greedy player against Classic Dorvil and by its player who
# follows the hint against Sharp Dorvil, some of them written as before
# the history named the Dorvil, and some named Expert. The game runs from the
# build folder, where it keeps its files: a History.csv there is put back
# afterwards. Pictures go to $SHOTS (default /tmp/meldora-shots).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/own-display.sh
shots=${SHOTS:-/tmp/meldora-shots}
mkdir -p "$shots"
work=$(mktemp -d)
pid= xvfb=
[ -e build/History.csv ] && mv build/History.csv "$work/kept.csv"
finish() {
    kill $pid $xvfb 2>/dev/null || true
    wait $pid $xvfb 2>/dev/null || true
    rm -f build/History.csv
    [ -e "$work/kept.csv" ] && mv "$work/kept.csv" build/History.csv
    rm -rf "$work"
}
trap finish EXIT

for level in classic:greedy:150 sharp:hint:500; do
    IFS=: read -r dorvil player hands <<<"$level"
    mkdir -p "$work/$dorvil"
    ./build/meldora-sim --self-play "$hands" --seed 3 --dorvil "$dorvil" --player "$player" \
        --data "$work/$dorvil" >/dev/null
done
# The first Classic games as an older game wrote them; the last Sharp games as Expert's.
{
    head -1 "$work/classic/History.csv"
    tail -n +2 "$work/classic/History.csv" | awk 'NR <= 60 { sub(/,"Classic"\r$/, "\r") } { print }'
    tail -n +2 "$work/sharp/History.csv" | awk 'NR > 300 { sub(/"Sharp"\r$/, "\"Expert\"\r") } { print }'
} >build/History.csv

own_display "$work" 1920x1080x24
for lang in en_GB:"Game History" de_DE:Spielverlauf; do
    title=${lang#*:} lang=${lang%%:*}
    env HOME="$work" XDG_RUNTIME_DIR="$work" LANGUAGE= LC_ALL="$lang.UTF-8" LANG="$lang.UTF-8" \
        ./build/meldora --seed 1 >/dev/null 2>&1 &
    pid=$!
    until main=$(xdotool search --onlyvisible --name "^Meldora $" 2>/dev/null | head -1) && [ -n "$main" ]; do sleep 0.05; done
    sleep 1
    xdotool windowfocus --sync "$main" key ctrl+h
    sleep 2
    history=$(xdotool search --onlyvisible --name "^$title\$" | head -1)
    import -window "$history" "$shots/history-${lang%%_*}.png"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=
done
ls "$shots"/history-*.png
