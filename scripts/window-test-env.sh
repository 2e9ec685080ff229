# Sourced by the tests and shots in the real window, after own-display.sh.
# window_test_env SIZE makes their world: $work (a folder of their own, with
# a home and a runtime folder), an X server of SIZE (own_display), the
# accessibility bus ($bus), and an end that kills the program ($pid, when
# set), the server and the bus and removes $work, however the script ends.
# copy_program copies the game, its modules and data into $work/program;
# check prints a line per check and sets $failed; wait_for waits with a
# deadline.
window_test_env() { # SIZE
    work=$(mktemp -d)
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    # (the program is started only once the server takes connections: started
    # at the moment Xvfb tells its number, it can find no display and abort)
    own_display "$work" "$1"
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_LOGGING_RULES='qt.multimedia*=false'
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    pid=""
    failed=0
    trap window_test_end EXIT
}

window_test_end() {
    if [ -n "$pid" ]; then # (waited for, so that no "Killed" is told of it)
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    kill $xvfb $bus 2>/dev/null || true
    rm -rf "$work"
}

copy_program() {
    mkdir -p "$work/program"
    cp build/meldora build/meldora-sound.so build/meldora-history.so data/* "$work/program/"
}

check() { # NAME CONDITION...
    local name=$1
    shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failed=1; fi
}

wait_for() { # SECONDS COMMAND...: true once the command succeeds, false at the deadline
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS > deadline)) && return 1
        sleep 0.2
    done
}
