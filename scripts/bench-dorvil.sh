#!/usr/bin/env bash
# The ladder: a round robin of whole games between the three Dorvils
# (Classic, Sharp, Expert) and the three players of the self-play (random,
# greedy, and the hint, which is Sharp's judgement in the player's chair).
# Classic Dorvil sits only in Dorvil's chair and the random, greedy and hint
# players only in the player's; Sharp and Expert take the player's chair as
# the hint and the "expert" player. So every match is one Dorvil against one
# player: each Dorvil against random, greedy and hint, and Classic and Sharp
# against Expert in the player's chair (11 matches; the three players never
# meet, and the chair of each match is the one named first).
# Each match plays GAMES whole games (default 200; CHEAP times as many, by
# default 10, when Expert is not in it, as those take a hundredth of the
# time), game k a fresh game from seed SEED+k (default SEED 1), the matches
# shared between both cores; the default takes some 15 minutes. Prints
# each match's share of games won with a 95 % interval and its points per
# hand, then a rating for each on one Elo scale: the least-squares fit of
# the rating differences to the matches' shares, with the greedy player
# fixed at 1000. Each match counts by what it tells: its weight is the
# inverse of the variance of its share's logit, n s (1 - s), with a share of
# 0 or 100 % taken as half a game short of it; a match one side won every
# game of then counts for little, as it says only that the gap is wide. The random player presses anything the window
# offers, New Game and a changed target among it.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${GAMES:-200}
cheap=${CHEAP:-10}
seed=${SEED:-1}
cmake --build build --target meldora-bench-expert >/dev/null
# KEEP=DIR keeps each match's games in DIR; with PLAY=0 nothing is played
# and DIR's games are summed up.
if [ -n "${KEEP:-}" ]; then
    dir=$KEEP
    mkdir -p "$dir"
else
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
fi
# Dorvil:player, the costly matches (Expert in either chair) first, so that
# the two cores, each taking the next match when it is free, end together.
matches="expert:hint sharp:expert classic:expert expert:greedy expert:random
sharp:hint sharp:greedy sharp:random classic:hint classic:greedy classic:random"
export dir games seed cheap
play() { # DORVIL PLAYER
    local n=$games
    [ "$1" = expert ] || [ "$2" = expert ] || n=$((games * cheap))
    nice -n 10 ./build/meldora-bench-expert games "$n" "$seed" "$1" "$2" >"$dir/$1-$2" ||
        { cat "$dir/$1-$2" >&2; return 1; }
}
export -f play
[ "${PLAY:-1}" = 0 ] || printf '%s\n' $matches | tr ':' ' ' | xargs -P 2 -L 1 bash -c 'play "$0" "$1"'

name() { case $1 in
    expert) echo Expert ;; sharp) echo Sharp ;; classic) echo Classic ;; *) echo "$1" ;; esac }
for m in $matches; do
    d=${m%:*} p=${m#*:}
    # The player's chair: "expert" is Expert, the rest are players.
    awk -v d="$(name "$d")" -v p="$(name "$p")" '$1 == "game" {
            n++; w += $3 == "dorvil"; h += $4; pd += $5; pp += $6 }
        END { print d, p, n, w, h, pd, pp }' "$dir/$d-$p"
done >"$dir/table"

printf '%-8s %-8s %6s %7s %17s %9s %9s\n' Dorvil player games "Dorvil%" "95% interval" "pts/hand" "player's"
awk '{ n = $3; s = $4 / n; z = 1.96; k = 1 + z * z / n
    c = (s + z * z / (2 * n)) / k; h = z * sqrt(s * (1 - s) / n + z * z / (4 * n * n)) / k
    lo = c - h; hi = c + h
    printf "%-8s %-8s %6d %6.1f%% %7.1f .. %5.1f%% %9.2f %9.2f\n",
        $1, $2, n, 100 * s, 100 * lo, 100 * hi, $6 / $5, $7 / $5 }' "$dir/table"
echo "(Dorvil%: games won by the Dorvil of each match, each game from its own seed;"
echo " pts/hand: points per hand dealt each side won; the interval is Wilson's)"
echo
echo "Ratings (Elo; the greedy player fixed at 1000):"
awk '{ n = $3; s = $4 / n; if (s < 0.5 / n) s = 0.5 / n; if (s > 1 - 0.5 / n) s = 1 - 0.5 / n
        a[NR] = $1; b[NR] = $2; w[NR] = n * s * (1 - s); d[NR] = 400 * log(s / (1 - s)) / log(10)
        r[$1] = 0; r[$2] = 0; m = NR }
    END {
        # Gauss-Seidel on the normal equations: each rating is the weighted
        # mean of what each of its matches says it is.
        for (it = 0; it < 2000; it++)
            for (x in r) {
                num = 0; den = 0
                for (i = 1; i <= m; i++) {
                    if (a[i] == x) { num += w[i] * (r[b[i]] + d[i]); den += w[i] }
                    if (b[i] == x) { num += w[i] * (r[a[i]] - d[i]); den += w[i] }
                }
                if (den) r[x] = num / den
            }
        shift = 1000 - r["greedy"]
        for (x in r) printf "%6.0f %s\n", r[x] + shift, x
    }' "$dir/table" | sort -rn | awk '{ printf "  %-8s %5d\n", $2, $1 }'
