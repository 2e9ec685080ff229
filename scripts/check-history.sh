#!/usr/bin/env bash
# Checks that a data folder's History.csv agrees with its Scores.dat. Every
# game's record holds the statistics as the game saved them; each must follow
# from the one before (the winner's count up by one, the margin added to the
# winner's money in cents and the two amounts netted, as the game does), or
# from zeros where Erase Statistics came between; and Scores.dat must hold
# what the last game's record holds, or zeros when erased since. Prints the
# figures; exits 1 when anything disagrees.
set -euo pipefail
dir=${1:?usage: check-history.sh DATA-FOLDER}
awk -F, -v scores="$dir/Scores.dat" '
    function cap(v) { return v > 32767 ? 32767 : v }
    # The statistics after a game won from gp,gd games and op,od cents.
    function after(gp, gd, op, od) {
        if ($7 == "Player") { gp = cap(gp + 1); op = cap(op + $8) } else { gd = cap(gd + 1); od = cap(od + $8) }
        if (od > op) { od -= op; op = 0 }
        if (op > od) { op -= od; od = 0 }
        return gp "," gd "," op "," od
    }
    BEGIN {
        if ((getline line < scores) <= 0) { print "no Scores.dat in the folder"; exit 2 }
        split(line, s, ",")
        saved = (s[1] + 0) "," (s[2] + 0) "," (s[4] + 0) "," (s[3] + 0)
        now = "0,0,0,0"
    }
    FNR == 1 { next }          # the header
    { hands++ }
    $7 == "" { next }          # a hand that did not end its game
    {
        games++; if ($7 == "Player") p++; else d++
        recorded = ($10 + 0) "," ($11 + 0) "," ($12 + 0) "," ($13 + 0)
        split(now, n, ",")
        if (recorded == after(n[1], n[2], n[3], n[4])) {
        } else if (recorded == after(0, 0, 0, 0)) {
            erased++
        } else {
            printf "line %d: statistics %s recorded, %s expected\n", FNR, recorded, after(n[1], n[2], n[3], n[4])
            bad++
        }
        if ($8 != $9) { printf "line %d: margin %s but money %s\n", FNR, $8, $9; bad++ }
        now = recorded
    }
    END {
        printf "History.csv: %d hands, %d games (player %d, Dorvil %d), statistics erased %d times between games\n", hands, games, p, d, erased
        printf "after the last game (games won player,Dorvil; cents owed player,Dorvil): %s\n", now
        printf "Scores.dat:                                                           %s\n", saved
        if (saved != now && saved == "0,0,0,0") print "(erased after the last game)"
        else if (saved != now) bad++
        if (games == 0) { print "no game in the history"; bad++ }
        print bad ? "DISAGREE" : "agree"
        exit bad ? 1 : 0
    }' "$dir/History.csv"
