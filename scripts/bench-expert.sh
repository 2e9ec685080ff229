#!/usr/bin/env bash
# Expert Dorvil's strength against Sharp Dorvil's judgement, with the chairs
# swapped: each seed is played with Expert in Dorvil's chair against the
# hint's player (Sharp's judgement), and with Sharp Dorvil against the player
# who follows Expert's judgement. The seeds are split between two processes
# (both cores).
#   HANDS seeds (default 300) from SEED (default 5000): single hands; prints
#     the points per hand of each side with a 95 % interval of the paired
#     difference per deal.
#   GAMES=N instead: N seeds, each a whole game played to its end, twice;
#     prints Expert's share of the 2N games with a 95 % interval (taken over
#     the seeds, as the two games of a seed are not independent), the points
#     per hand, and the times of every decision of Expert Dorvil.
# Both print the processor time of Expert Dorvil's decisions.
# MIN_GAIN=X (single hands) makes it a check: it fails (exit 1) when the
# difference per deal is below X. STAND_IN=sharp puts Sharp in Expert's
# place, where both chairs play the same games and the difference is 0: the
# check must fail then.
# KEEP=DIR keeps each process's lines in DIR (a1 a2: Expert Dorvil's games,
# b1 b2: Sharp Dorvil's, t1 t2: the decision times); with PLAY=0 nothing is
# played and what DIR holds is summed up (runs of several seed ranges can be
# gathered there by appending).
set -euo pipefail
cd "$(dirname "$0")/.."
games=${GAMES:-0}
hands=${HANDS:-300}
seed=${SEED:-5000}
me=${STAND_IN:-expert}
mode=hands count=$hands
[ "$games" -gt 0 ] && mode=games count=$games
cmake --build build --target meldora-bench-expert >/dev/null
if [ -n "${KEEP:-}" ]; then
    dir=$KEEP
    mkdir -p "$dir"
else
    dir=$(mktemp -d)
    trap 'rm -rf "$dir"' EXIT
fi
half=$((count / 2))
mine=$([ "$me" = expert ] && echo expert || echo hint)
run() { # SEED COUNT TAG
    nice -n 10 ./build/meldora-bench-expert "$mode" "$2" "$1" "$me" hint "$dir/t$3" >"$dir/a$3"
    nice -n 10 ./build/meldora-bench-expert "$mode" "$2" "$1" sharp "$mine" >"$dir/b$3"
}
if [ "${PLAY:-1}" != 0 ]; then
    run "$seed" "$half" 1 &
    first=$!
    run $((seed + half)) $((count - half)) 2 &
    second=$!
    wait $first && wait $second || { cat "$dir"/[ab][12] | grep -v '^\(hand\|game\) ' >&2; exit 1; }
fi

if [ "$mode" = hands ]; then
    # Per seed: Expert's points less Sharp's, over both chairs.
    cat "$dir"/a1 "$dir"/a2 | awk '$1 == "hand" { e[$2] += $3; s[$2] += $4 }
        END { for (k in e) print k, e[k], s[k] }' >"$dir/a"
    cat "$dir"/b1 "$dir"/b2 | awk '$1 == "hand" { s[$2] += $3; e[$2] += $4 }
        END { for (k in e) print k, e[k], s[k] }' >"$dir/b"
    join <(sort "$dir/a") <(sort "$dir/b") | awk -v me="$me" -v least="${MIN_GAIN:-}" '{
            d = ($2 + $4) - ($3 + $5); n++; sum += d; sq += d * d; pe += $2 + $4; ps += $3 + $5 }
        END { m = sum / n; sd = sqrt((sq - n * m * m) / (n - 1)); h = 1.96 * sd / sqrt(n)
            printf "%d paired deals (%d hands): %s %.2f points per hand, sharp %.2f\n", n, 2 * n, me, pe / (2 * n), ps / (2 * n)
            printf "difference per deal (both chairs): %+.2f, 95%% interval %+.2f .. %+.2f\n", m, m - h, m + h
            if (least != "" && m < least + 0) {
                printf "FAIL: %s gains %+.2f points per deal over Sharp, below the %+.2f required\n", me, m, least
                exit 1 } }' || failed=1
else
    # "game SEED winner hands dorvil-points player-points"; in a, Expert (or
    # his stand-in) is Dorvil; in b, he is the player.
    cat "$dir"/a1 "$dir"/a2 | awk '$1 == "game" { print $2, ($3 == "dorvil"), $4, $5, $6 }' | sort >"$dir/a"
    cat "$dir"/b1 "$dir"/b2 | awk '$1 == "game" { print $2, ($3 == "player"), $4, $6, $5 }' | sort >"$dir/b"
    # Per seed: "seed won-a hands-a mine-a theirs-a won-b hands-b mine-b theirs-b".
    join "$dir/a" "$dir/b" | awk -v me="$me" '{
            w = $2 + $6; n++; won += w; sq += (w / 2) ^ 2; both += w == 2; none += w == 0
            hands += $3 + $7; pm += $4 + $8; pt += $5 + $9 }
        END { m = won / (2 * n); sd = sqrt((sq - n * m * m) / (n - 1)); h = 1.96 * sd / sqrt(n)
            printf "%d seeds, %d games (%d hands): %s won %d, %.1f %%, 95%% interval %.1f .. %.1f %%\n",
                n, 2 * n, hands, me, won, 100 * m, 100 * (m - h), 100 * (m + h)
            printf "  (interval over the seeds; %s won both games of %d seeds, one of %d, none of %d)\n",
                me, both, n - both - none, none
            printf "points per hand: %s %.2f, sharp %.2f; %.1f hands per game\n",
                me, pm / hands, pt / hands, hands / (2 * n) }'
fi
sort -n "$dir"/t1 "$dir"/t2 | awk -v me="$me" '{ t[NR] = $1 }
    END { if (NR) printf "%s Dorvil decisions, processor time over %d: median %.1f ms, p99 %.1f ms, worst %.1f ms\n",
        me, NR, t[int(NR / 2) + 1] / 1000, t[int(NR * 0.99) + 1] / 1000, t[NR] / 1000 }'
exit "${failed:-0}"
