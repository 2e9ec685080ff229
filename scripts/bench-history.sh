#!/usr/bin/env bash
# Measures the history of games: reading 100 000 lines, and the Game History
# window from being asked for to being painted with 10 000 games (medians of
# several runs, under Xvfb). Then damaged files: a cut line with garbage, 100 MB
# of noise, one line of 100 MB, and 100 MB of records, each read and shown
# with its bad lines counted. Run after scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${RUNS:-5}
display=${BENCH_DISPLAY:-:79}
bench=./build/tests/bench_history
work=$(mktemp -d)
xvfb=""
if ! DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
fi
trap '[ -z "$xvfb" ] || kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display

# A history of GAMES games at target 100 with hands of random points, the
# money netted after each game as the game does.
history() {
    awk -v GAMES="$1" -v SEED="${2:-7}" 'BEGIN {
        srand(SEED)
        printf "Date,Target,Went Out,Points,Player Score,Dorvil Score,Game Won By,Margin,"
        printf "Money (cents),Games Won Player,Games Won Dorvil,Owed Player (cents),"
        printf "Owed Dorvil (cents),Player Name\r\n"
        owedP = 0; owedD = 0; wonP = 0; wonD = 0; t = 1714590000
        for (g = 0; g < GAMES; ++g) {
            ps = 0; ds = 0
            for (;;) {
                t += 60 + int(rand() * 300)
                pts = 1 + int(rand() * 55)
                when = strftime("%Y-%m-%d %H:%M:%S", t)
                if (rand() < 0.52) { out = "Player"; ps += pts } else { out = "Dorvil"; ds += pts }
                won = (out == "Player" && ps >= 100 && ps > ds) || (out == "Dorvil" && ds >= 100 && ds > ps)
                if (!won) { printf "%s,100,%s,%d,%d,%d,,,,,,,,\"Alex\"\r\n", when, out, pts, ps, ds; continue }
                m = out == "Player" ? ps - ds : ds - ps
                if (out == "Player") { owedP += m; wonP++ } else { owedD += m; wonD++ }
                if (owedD > owedP) { owedD -= owedP; owedP = 0 } else { owedP -= owedD; owedD = 0 }
                if (owedP > 32767) owedP = 32767
                if (owedD > 32767) owedD = 32767
                if (wonP > 32767) wonP = 32767
                if (wonD > 32767) wonD = 32767
                printf "%s,100,%s,%d,%d,%d,%s,%d,%d,%d,%d,%d,%d,\"Alex\"\r\n", when, out, pts, ps, ds, out, m, m, wonP, wonD, owedP, owedD
                break
            }
        }
    }'
}
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ms_of() { sed -n 's/.* \([0-9]*\) ms.*/\1/p'; }

history 18000 > "$work/games-18k.csv"
head -n 100001 "$work/games-18k.csv" > "$work/lines-100k.csv"
history 10000 > "$work/games-10k.csv"
echo "files: $(($(wc -l < "$work/lines-100k.csv") - 1)) lines, $(awk -F, 'NR > 1 && $7 != ""' "$work/games-10k.csv" | wc -l) games"

read_ms=(); window_ms=()
for _ in $(seq "$runs"); do
    read_ms+=($("$bench" read "$work/lines-100k.csv" | ms_of))
    window_ms+=($("$bench" window "$work/games-10k.csv" 2>/dev/null | ms_of))
done
echo "reading 100 000 lines: $(median "${read_ms[@]}") ms (median of $runs; all: ${read_ms[*]})"
"$bench" read "$work/lines-100k.csv"
echo "window with 10 000 games: $(median "${window_ms[@]}") ms (median of $runs; all: ${window_ms[*]})"

# Damaged files: each must be read and shown, its bad lines skipped and counted.
{
    head -n 3000 "$work/games-10k.csv"
    printf 'garbage, not a record\r\n\x01\x02\xff\xfe binary\r\n'
    sed -n '3001,6000p' "$work/games-10k.csv"
    sed -n '6001p' "$work/games-10k.csv" | head -c 30
} > "$work/cut-and-garbage.csv"
head -c 100M /dev/urandom > "$work/noise-100MB.csv"
head -c 100M /dev/zero | tr '\0' 'x' > "$work/one-line-100MB.csv"
history 330000 > "$work/records-100MB.csv"
for f in cut-and-garbage noise-100MB one-line-100MB records-100MB; do
    echo "== $f.csv ($(($(stat -c %s "$work/$f.csv") / 1024 / 1024)) MiB)"
    "$bench" read "$work/$f.csv"
    "$bench" window "$work/$f.csv" 2>/dev/null
done
