#!/usr/bin/env bash
# Measures the two package lists (scripts/packages) on a bare Debian 12 root
# (mmdebstrap minbase): for play.txt, and for test.txt on top of it, the
# packages apt would install, their download and their size on disk, as apt
# itself counts them for a simulated install of the lists as
# scripts/install-packages.sh installs them (no recommendations).
# --play: then, in a fresh bare root, runs the player's command from a fresh
#   clone of this repository (its commit REV, default HEAD) as a new player
#   would (as root, no sudo), with the game on this machine's Xvfb; prints
#   the time to the table window on the first run and on later ones, beside
#   the game started directly, and checks that the game's sounds reach a
#   PulseAudio server.
# --test: then, in a fresh bare root, runs the test command from a fresh
#   clone and prints its time and its last lines.
# Needs root; the runs take long (under nice). KEEP=1 keeps the work folder.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "measure-packages.sh makes a chroot: run it as root"; exit 1; }
bash scripts/install-packages.sh play test
source scripts/bare-root.sh
work=$(mktemp -d /tmp/meldora-measure.XXXXXX)
roots=()
xvfb=
cleanup() {
    local root
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    for root in "${roots[@]}"; do
        chroot "$root" env HOME=/root XDG_RUNTIME_DIR=/run/user/0 pulseaudio --kill 2>/dev/null || true
        umount "$root/proc" 2>/dev/null || true
    done
    if [ "${KEEP:-0}" = 0 ] && ! grep -q " $work/" /proc/mounts; then rm -rf "$work"; else echo "kept $work"; fi
}
trap cleanup EXIT
new_root() { # NAME: a fresh bare root, its path in $root
    root=$work/$1
    roots+=("$root")
    echo "== bare Debian 12 root ($root): $(bare_root "$root" "$work/$1-mmdebstrap.log")"
}
first_choices() { bash scripts/install-packages.sh --entries "$@" | sed 's/|.*//'; }

# apt's summary for installing these packages in $root: packages, MB, MB.
apt_figures() {
    LC_ALL=C chroot "$root" apt-get install --assume-no --no-install-recommends "$@" 2>&1 | awk '
        function mb(n, unit) { return unit == "kB" ? n / 1e3 : unit == "GB" ? n * 1e3 : n }
        /newly installed/ { packages = $3 }
        /^Need to get/ { split($4, a, "/"); download = mb(a[1], $5) }
        /^After this operation/ { disk = mb($4, $5) }
        END { printf "%d %.0f %.0f\n", packages, download, disk }'
}
new_root measure
chroot "$root" apt-get update -qq
read -r play_n play_d play_s < <(apt_figures $(first_choices play))
read -r all_n all_d all_s < <(apt_figures $(first_choices play test))
echo "play.txt: $play_n packages, $play_d MB to download, $play_s MB on disk"
echo "test.txt adds: $((all_n - play_n)) packages, $((all_d - play_d)) MB to download, $((all_s - play_s)) MB on disk" \
    "(both: $all_n packages, $all_d MB, $all_s MB)"
umount "$root/proc"
rm -rf "$root"

clone() { # a fresh clone of commit REV in $root/root/meldora
    git clone -q "$PWD" "$root/root/meldora"
    git -C "$root/root/meldora" checkout -q "${REV:-HEAD}"
    echo "clone of $(git -C "$root/root/meldora" log -1 --format='%h %s')"
}
seconds() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }'; }

if [ "${1:-}" = --play ]; then
    new_root play
    clone
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset 3>"$work/display" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display")
    # The player's run: COMMAND in the clone; the seconds to the table
    # window in $elapsed, the game left running (its window in $window).
    run() {
        local start log=$work/run-$2.log
        start=$(date +%s.%N)
        chroot "$root" env DISPLAY="$DISPLAY" HOME=/root XDG_RUNTIME_DIR=/run/user/0 \
            bash -c "cd /root/meldora && exec nice -n 10 $1" >"$log" 2>&1 &
        game=$!
        window=
        until window=$(xdotool search --onlyvisible --pid "$game" --name '^Meldora $' 2>/dev/null | head -1) && [ -n "$window" ]; do
            kill -0 "$game" 2>/dev/null || { tail -20 "$log"; echo "FAIL $1 ended before its window"; exit 1; }
            sleep 0.05
        done
        elapsed=$(seconds "$start")
    }
    close() {
        xdotool windowfocus --sync "$window" key ctrl+x
        wait "$game" || { echo "FAIL the game ended with exit $? on Ctrl+X"; exit 1; }
    }
    echo "== bash scripts/play.sh, first run (installs, builds, opens the table)"
    mkdir -p "$root/run/user/0"
    run "bash scripts/play.sh" first
    echo "to the table window: $elapsed s (load average then: $(cut -d' ' -f1-3 /proc/loadavg))"
    grep -m1 '^Installing ' "$work/run-first.log" || true
    sed -n 's/^\(Start\|End\)-Date: *//p' "$root/var/log/apt/history.log" | sed -n '1p;$p' | paste -sd' ' |
        while read -r d1 t1 d2 t2; do
            echo "of which apt-get: $(($(date -d "$d2 $t2" +%s) - $(date -d "$d1 $t1" +%s))) s"
        done
    close
    # The sound: a PulseAudio server with no sound card plays into its null
    # sink, whose monitor is recorded while the game starts (the shuffle).
    chroot "$root" env HOME=/root XDG_RUNTIME_DIR=/run/user/0 pulseaudio --daemonize=yes --exit-idle-time=-1 \
        --log-target=file:/tmp/pulseaudio.log
    sleep 1
    chroot "$root" env HOME=/root XDG_RUNTIME_DIR=/run/user/0 parec -d auto_null.monitor --raw \
        --format=s16le --channels=1 --rate=8000 >"$work/sound.raw" 2>/dev/null &
    recorder=$!
    for n in 1 2 3; do
        run "bash scripts/play.sh" again-$n
        again=$elapsed
        sleep 2
        close
        run "./build/meldora" direct-$n
        direct=$elapsed
        close
        echo "second run $n: to the table window $again s; the game started directly: $direct s"
        grep -E '^(Installing|-- Configuring)' "$work/run-again-$n.log" || true
    done
    kill "$recorder"
    peak=$(od -An -v -td2 -w2 "$work/sound.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > p) p = v } END { print p + 0 }')
    [ "$peak" -gt 1000 ] && echo "ok   sound: the server played the game's sounds (peak $peak of 32767)" ||
        echo "FAIL sound: silence on the server (peak $peak)"
fi

if [ "${1:-}" = --test ]; then
    new_root test
    clone
    echo "== bash scripts/test.sh"
    start=$(date +%s.%N)
    rc=0
    chroot "$root" env HOME=/root bash -c "cd /root/meldora && exec nice -n 10 bash scripts/test.sh" \
        >"$work/test.log" 2>&1 || rc=$?
    echo "exit $rc after $(seconds "$start") s"
    grep -m1 '^Installing ' "$work/test.log"
    tail -5 "$work/test.log"
    cp "$work/test.log" /tmp/meldora-measure-test.log
    exit $rc
fi
