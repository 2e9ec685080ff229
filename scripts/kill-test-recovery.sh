#!/usr/bin/env bash
# A game in progress survives a kill at any instant: self-play keeps its game
# in a folder's recovery file at every point of rest (--recovery) and is
# killed with SIGKILL at a random instant, TRIALS times (default 200). After
# each kill the file is absent (no game in progress had reached a point of
# rest) or one the reader takes whole; the next start takes the game up and
# its table passes every table check, or starts fresh when there is no file.
# Each trial continues the game the last one left; every tenth starts in an
# empty folder and is killed within its first 60 ms, often before any game.
set -euo pipefail
cd "$(dirname "$0")/.."
trials=${1:-200}
sim=./build/meldora-sim
[ -x "$sim" ] || bash scripts/setup.sh >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
taken=0 fresh=0 failed=0
for i in $(seq "$trials"); do
    wait_ms=$((RANDOM % 1000))
    if [ $((i % 10)) -eq 0 ]; then
        rm -f "$dir"/Recovery.dat*
        wait_ms=$((RANDOM % 60))
    fi
    "$sim" --self-play 1000000000 --seed "$i" --data "$dir" --recovery >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '0.%03d' "$wait_ms")"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    saved=no
    [ -e "$dir/Recovery.dat" ] && saved=yes
    if ! "$sim" --self-play 0 --data "$dir" --recovery >"$dir/start.log" 2>"$dir/start.err" ||
        [ -s "$dir/start.err" ] || compgen -G "$dir/Recovery.dat.damaged*" >/dev/null; then
        failed=$((failed + 1))
        echo "trial $i: the next start failed or refused the file:"
        head -5 "$dir/start.log" "$dir/start.err"
        rm -f "$dir"/Recovery.dat.damaged*
    elif [ $saved = yes ] && grep -q '; 1 sessions continued a saved game' "$dir/start.log"; then
        taken=$((taken + 1))
    elif [ $saved = no ] && grep -q '; 0 sessions continued a saved game' "$dir/start.log"; then
        fresh=$((fresh + 1))
    else
        failed=$((failed + 1))
        echo "trial $i: a file was $saved there, but the start said:"
        head -3 "$dir/start.log"
    fi
done
# A write cut short by the kill leaves its file aside; the next start removes it.
leftovers=$(find "$dir" -mindepth 1 -name 'Recovery.dat.*' -printf '%f ')
echo "$((taken + fresh)) of $trials kill trials came back whole: $taken took the game up from" \
    "Recovery.dat and passed every table check, $fresh started fresh with no file;" \
    "$failed failed; left beside them: ${leftovers:-nothing}"
[ "$failed" -eq 0 ]
