#!/usr/bin/env bash
# Measures the two Dorvils: HANDS (default 100 000) hands of self-play for
# each Dorvil against each player (greedy, random, and the hint's advice), as
# a table of games won, hands won and the average margin of a game won; then
# the time Sharp Dorvil takes over each decision, and the time the hint takes
# over each piece of advice. SEED (default 1) makes the runs repeatable.
set -euo pipefail
cd "$(dirname "$0")/.."
hands=${HANDS:-100000}
seed=${SEED:-1}
[ -x build/meldora-sim ] || bash scripts/setup.sh >/dev/null
cmake --build build --target meldora-sim meldora-bench-sharp meldora-bench-hint >/dev/null
out=$(mktemp)
trap 'rm -f "$out"' EXIT

printf '%-8s %-7s %7s %7s %7s %8s %9s %9s %8s %8s %7s\n' Dorvil player games \
    "Dorvil" player "Dorvil%" "hands D" "hands P" "margin D" "margin P" "hands/s"
for dorvil in classic sharp; do
    for player in greedy random hint; do
        nice -n 10 ./build/meldora-sim --self-play "$hands" --seed "$seed" \
            --dorvil "$dorvil" --player "$player" >"$out"
        summary=$(tail -1 "$out")
        wins=$(tail -2 "$out" | head -1)
        # "N hands, G games, T turns, F faults, R hands/s, P won by the player, D won by Dorvil"
        read -r games faults rate gp gd < <(sed -E \
            's/.* ([0-9]+) games, [0-9]+ turns, ([0-9]+) faults, ([0-9]+) hands\/s, ([0-9]+) won by the player, ([0-9]+) won by Dorvil/\1 \2 \3 \4 \5/' \
            <<<"$summary")
        # "hands won: P by the player, D by Dorvil; average margin of a game won: X by the player, Y by Dorvil"
        read -r hp hd mp md < <(sed -E \
            's/hands won: ([0-9]+) by the player, ([0-9]+) by Dorvil; average margin of a game won: ([0-9.]+) by the player, ([0-9.]+) by Dorvil/\1 \2 \3 \4/' \
            <<<"$wins")
        if [ "$faults" != 0 ]; then
            cat "$out"
            exit 1
        fi
        awk -v d="$dorvil" -v p="$player" -v g="$games" -v gd="$gd" -v gp="$gp" \
            -v hd="$hd" -v hp="$hp" -v md="$md" -v mp="$mp" -v r="$rate" 'BEGIN {
            printf "%-8s %-7s %7d %7d %7d %7.1f%% %9d %9d %8.1f %8.1f %7d\n",
                d, p, g, gd, gp, g ? 100 * gd / g : 0, hd, hp, md, mp, r }'
    done
done
echo "(games: games won by either side; Dorvil, player: games each won; Dorvil%: his share;"
echo " hands D, hands P: hands each won; margin: average points by which a game was won)"
echo
echo "Sharp Dorvil's decisions, processor time, against the greedy player:"
nice -n 10 ./build/meldora-bench-sharp "$(( hands < 20000 ? hands : 20000 ))" "$seed" | tail -3
echo
echo "The hint's advice, processor time, playing the player's side against Sharp Dorvil:"
nice -n 10 ./build/meldora-bench-hint "$(( hands < 20000 ? hands : 20000 ))" "$seed" sharp | tail -5
