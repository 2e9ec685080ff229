#!/usr/bin/env bash
# Checks that a data folder's History.csv agrees with its Scores.dat: the games
# each side won, and the money owed, replayed game after game from the margins
# as the game adds and nets them, equal to every game's record and to
# Scores.dat at the end. For a folder whose statistics were never erased.
# Prints the figures; exits 1 when they disagree.
set -euo pipefail
dir=${1:?usage: check-history.sh DATA-FOLDER}
awk -F, -v scores="$dir/Scores.dat" '
    function cap(v) { return v > 32767 ? 32767 : v }
    BEGIN {
        if ((getline line < scores) <= 0) { print "no Scores.dat in the folder"; failed = 1; exit 1 }
        split(line, s, ",")
        wonP = s[1] + 0; wonD = s[2] + 0; owedD = s[3] + 0; owedP = s[4] + 0
    }
    FNR == 1 { next }          # the header
    $7 == "" { hands++; next } # a hand that did not end its game
    {
        hands++; games++
        if ($7 == "Player") { p++; oweP = cap(oweP + $8) } else { d++; oweD = cap(oweD + $8) }
        if (oweD > oweP) { oweD -= oweP; oweP = 0 }
        if (oweP > oweD) { oweP -= oweD; oweD = 0 }
        if (oweP != $10 || oweD != $11) {
            printf "line %d: owed %s/%s recorded, %d/%d replayed\n", FNR, $10, $11, oweP, oweD
            failed = 1
        }
        if ($8 != $9) { printf "line %d: margin %s but money %s\n", FNR, $8, $9; failed = 1 }
    }
    END {
        if (failed && !games) exit 1
        printf "History.csv: %d hands, %d games (player %d, Dorvil %d), owed player %d, owed Dorvil %d\n", hands, games, p, d, oweP, oweD
        printf "Scores.dat:  games player %d, Dorvil %d, owed player %d, owed Dorvil %d\n", wonP, wonD, owedP, owedD
        if (p != wonP || d != wonD || oweP != owedP || oweD != owedD) failed = 1
        if (games == 0) { print "no game in the history"; failed = 1 }
        print failed ? "DISAGREE" : "agree"
        exit failed
    }' "$dir/History.csv"
