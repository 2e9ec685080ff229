# Sourced by the benchmarks that need a screen: own_display FOLDER SIZE starts
# Xvfb on a free display (its number written in FOLDER/display), waits until
# it takes connections, and exports DISPLAY; $xvfb is its process, for the
# caller to end. -noreset: a server resets when its last client leaves, and a
# client that connects during the reset is refused (7 starts in 40 failed so,
# the one that waited below being the last client to leave).
own_display() {
    Xvfb -displayfd 3 -screen 0 "$2" -noreset 3>"$1/display" >/dev/null 2>&1 &
    xvfb=$!
    # Its number is told a moment before it takes connections: ready once one is taken.
    until [ -s "$1/display" ] && DISPLAY=:$(cat "$1/display") xdotool getdisplaygeometry >/dev/null 2>&1; do
        kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.05
    done
    export DISPLAY=:$(cat "$1/display")
}
