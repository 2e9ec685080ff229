#!/usr/bin/env bash
# Statistics survive a kill at any instant: self-play writes its statistics
# into a folder and is killed with SIGKILL at a random instant, TRIALS times
# (default 200). After each kill Scores.dat must be one whole record (the
# one from before the kill or a newer one) and the next start must read it
# back exactly (the self-play checks that at start-up and fails otherwise).
set -euo pipefail
cd "$(dirname "$0")/.."
trials=${1:-200}
sim=./build/meldora-sim
[ -x "$sim" ] || bash scripts/setup.sh >/dev/null
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '0,0,0,0,"Player"\r\n' >"$dir/Scores.dat"
record='^[0-9]{1,5},[0-9]{1,5},[0-9]{1,5},[0-9]{1,5},"[^"]*"'$'\r''$'
whole=0 changed=0 unread=0
for i in $(seq "$trials"); do
    cp "$dir/Scores.dat" "$dir/before"
    "$sim" --self-play 1000000000 --seed "$i" --data "$dir" >/dev/null 2>&1 &
    pid=$!
    sleep "$(printf '0.%03d' $((RANDOM % 1000)))"
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    if [ "$(wc -l <"$dir/Scores.dat")" -eq 1 ] && grep -Eq "$record" "$dir/Scores.dat"; then
        whole=$((whole + 1))
    else
        echo "trial $i: Scores.dat is not one whole record:"
        od -c "$dir/Scores.dat" | head -5
    fi
    cmp -s "$dir/before" "$dir/Scores.dat" || changed=$((changed + 1))
    if ! "$sim" --self-play 0 --data "$dir" >"$dir/start.log" 2>&1; then
        unread=$((unread + 1))
        echo "trial $i: the next start did not read it back:"
        head -3 "$dir/start.log"
    fi
done
leftovers=$(find "$dir" -mindepth 1 -not -name Scores.dat -not -name Names2.dat \
    -not -name before -not -name start.log -printf '%f ')
echo "$whole of $trials kill trials left a well-formed Scores.dat ($changed written since the" \
    "trial before); $((trials - unread)) of $trials read back at the next start;" \
    "left beside them: ${leftovers:-nothing}"
[ "$whole" -eq "$trials" ] && [ "$unread" -eq 0 ]
