#!/bin/bash
# Meldora read by the Orca screen reader, with no screen, no sound card and
# no desktop: plays one whole hand with the keys alone and checks that Orca
# spoke, in order, the key lines of the reviewed transcript. It builds
# nothing: it plays build/meldora, copied with its modules and data into a
# folder of its own (so that no statistics are left in the build), with a
# fixed seed.
#
# Inside a PID namespace of its own (so that Orca's "one Orca per user" check
# and every clean-up stay inside it) it starts Xvfb, a window manager, a
# D-Bus session bus, the AT-SPI bus and registry, Orca with its debug log
# (line-buffered, each utterance logged) and then the program; it waits
# until Orca is ready and the program's window has the keyboard, plays the
# steps, waits until Orca has been quiet a while, and compares. Everything it
# started ends when it ends, however it ends.
#
# Orca runs with speech on but with no speech server: every utterance goes
# through Orca's own speech code and is logged, none reaches a sound device.
# (Orca's "-d speech" switch is not used: with speech disabled Orca skips the
# presentMessage/speakMessage paths altogether, and they are logged neither.)
#
# Usage: orca-test.sh [options] [-- PROGRAM [ARGS...]]
#   -s, --steps FILE     steps to play ("-" for standard input; default:
#                        tests/orca/hand-seed-1711.steps)
#   -k, --keys FILE      the lines Orca must say, in order ("none": no check;
#                        default: tests/orca/hand-seed-1711.keys); they must
#                        be lines of the reviewed transcript FILE.txt if any
#   -o, --out FILE       write the utterances to FILE (default: none)
#   -l, --logs DIR       keep Orca's debug log, its speech log and the
#                        program's output in DIR (default: a temporary folder,
#                        removed at the end)
#   -q, --quiet SECONDS  how long Orca must be silent before the end and after
#                        the program's window is presented (default 1.5)
#   -t, --timeout SECS   the whole run's limit (default 180)
#   --key-echo           leave Orca's key echo on (off by default: the keys
#                        sent would be spoken between the program's utterances)
#   --times              prefix each utterance with the time Orca spoke it
#   --interrupts         also write "[interrupt]" wherever Orca cut speech
#   --ready REGEX        the program is ready once Orca has said a line
#                        matching REGEX (default: its first utterance after the
#                        program starts)
#   --env NAME=VALUE     set in the program's environment (repeatable)
#   --orca-arg ARG       pass ARG to orca (repeatable)
#   --braille            let Orca write its braille output to its debug log
#                        (as "BRAILLE LINE:" lines; no display is needed)
#   --no-wm              run no window manager (by default openbox runs, as
#                        a desktop's would: it gives the focus back to the
#                        program's window when a message box closes)
#   --voice              let Orca talk to a real speech-dispatcher whose only
#                        voice is a clock: it takes as long as espeak-ng would
#                        to say each utterance, and records what was said in
#                        full and what was cut; writes "heard:" and "cut:"
#                        lines after the utterances (timing-dependent: for
#                        study, not for the check)
#   --patient            before each key, wait until Orca has been quiet for
#                        the -q time (with --voice: until the voice is done),
#                        as a player who listens to everything would
#   --history FILE       start with FILE as the program's History.csv
#   --seed N             play build/meldora --seed N with the steps and key
#                        lines of tests/orca/hand-seed-N (default 1711; 102:
#                        a game carried on after a crash, a refused card, the
#                        demo, the status bar, the Game History by Tab)
#   PROGRAM [ARGS...]    another program (default: build/meldora --seed 1711)
#
# Steps, one a line; empty lines and lines starting with # are skipped:
#   key KEY...           xdotool key names (Right, Return, alt+o, ...), sent
#                        one by one, 150 ms apart
#   type TEXT            types TEXT
#   sleep SECONDS
#   wait REGEX [SECS]    until an utterance said since the last key matches
#                        REGEX (grep -E; default 20 s)
#   quiet [SECS]         until Orca has said nothing for SECS (default: -q)
#   mark TEXT            writes "== TEXT" among the utterances
#   restart              kills the program (SIGKILL, as a crash) and starts it
#                        again as before; what it says counts for the next wait
# Exit status: 0 passed; 1 a key line was not said in order; 2 the set-up
# failed (see the logs); 3 a wait failed or the program ended; 124 timed out.
set -euo pipefail

usage() { sed -n '/^# Usage:/,/^# failed (see/p' "$0" | sed 's/^# \{0,1\}//'; }

# The speech log's lines as TIME<tab>UTTERANCE: Orca writes each as
# SPEECH OUTPUT: 'text', followed by " voice=NAME" for a voice other than the
# default one, or by the voice's settings for a key echo.
utterances() {
    sed -n "s/^\([0-9:.]*\) SPEECH OUTPUT: '\(.*\)' {.*}\$/\1\t\2/p; t
            s/^\([0-9:.]*\) SPEECH OUTPUT: '\(.*\)'\( voice=[a-z]*\)\{0,1\}\$/\1\t\2/p; t
            s/^\([0-9:.]*\) SPEECH INTERRUPT\$/\1\t[interrupt]/p; t
            s/^\([0-9:.]*\) MARK \(.*\)\$/\1\t== \2/p" |
        sed 's/[[:space:]]\{1,\}$//' | run_folder
}

# The run's own folder, which a text may name (where the history is kept),
# reads the same in every run.
run_folder() {
    if [[ -n "${WORK:-}" ]]; then sed "s|$WORK/program|PROGRAM_FOLDER|g"; else cat; fi
}

# KEYS UTTERANCES: each key line, in order, among the utterances (blanks at
# either end of a line do not count); names the first one missing.
check_keys() {
    awk 'function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
         FNR == NR { if ($0 !~ /^#/ && trim($0) != "") keys[++n] = trim($0); next }
         i < n && trim($0) == keys[i + 1] { i++ }
         END { if (i < n) { printf "orca-test: not said (after %d of %d key lines in order): %s\n", i, n, keys[i + 1]; exit 1 }
               printf "orca-test: passed, %d key lines said in order\n", n }' "$1" "$2"
}

ROOT=$(cd "$(dirname "$0")/.." && pwd)
SEED=1711 # Dorvil melds, takes the player's discard and goes out in three turns
STEPS=$ROOT/tests/orca/hand-seed-$SEED.steps KEYS=$ROOT/tests/orca/hand-seed-$SEED.keys
OUT="" LOGS="" QUIET=1.5 TIMEOUT=180 KEY_ECHO=0 TIMES=0 INTERRUPTS=0 READY="" VOICE=0 WM=1 BRAILLE=0
PATIENT=0 HISTORY=""
APP_ENV=() ORCA_ARGS=()
if [[ "${1:-}" != "--inner" ]]; then
    while (($#)); do
        case "$1" in
        -s | --steps) STEPS=$2; shift 2 ;;
        -k | --keys) KEYS=$2; shift 2 ;;
        -o | --out) OUT=$2; shift 2 ;;
        -l | --logs) LOGS=$2; shift 2 ;;
        -q | --quiet) QUIET=$2; shift 2 ;;
        -t | --timeout) TIMEOUT=$2; shift 2 ;;
        --key-echo) KEY_ECHO=1; shift ;;
        --times) TIMES=1; shift ;;
        --interrupts) INTERRUPTS=1; shift ;;
        --ready) READY=$2; shift 2 ;;
        --env) APP_ENV+=("$2"); shift 2 ;;
        --voice) VOICE=1; shift ;;
        --patient) PATIENT=1; shift ;;
        --history) HISTORY=$2; shift 2 ;;
        --seed) SEED=$2; STEPS=$ROOT/tests/orca/hand-seed-$2.steps KEYS=$ROOT/tests/orca/hand-seed-$2.keys; shift 2 ;;
        --no-wm) WM=0; shift ;;
        --braille) BRAILLE=1; shift ;;
        --orca-arg) ORCA_ARGS+=("$2"); shift 2 ;;
        -h | --help) usage; exit 0 ;;
        --) shift; break ;;
        *) echo "orca-test: unknown option $1" >&2; usage >&2; exit 2 ;;
        esac
    done
    tools=(Xvfb dbus-daemon orca xdotool unshare bc)
    ((WM)) && tools+=(openbox)
    for tool in "${tools[@]}"; do
        command -v "$tool" >/dev/null || { echo "orca-test: $tool is missing" >&2; exit 2; }
    done
    [[ -x /usr/libexec/at-spi-bus-launcher ]] || { echo "orca-test: at-spi2-core is missing" >&2; exit 2; }
    [[ "$KEYS" == none || -r "$KEYS" ]] || { echo "orca-test: no key lines in $KEYS" >&2; exit 2; }
    # The key lines are lines of the reviewed transcript beside them.
    if [[ "$KEYS" != none && -r "${KEYS%.keys}.txt" ]] &&
        ! check_keys "$KEYS" <(grep -v '^#' "${KEYS%.keys}.txt") >/dev/null; then
        echo "orca-test: $KEYS: a line not in the transcript ${KEYS%.keys}.txt, in order" >&2
        exit 2
    fi

    WORK=$(mktemp -d /tmp/orca-test.XXXXXX)
    if ((!$#)); then
        [[ -x "$ROOT/build/meldora" ]] || { echo "orca-test: build/meldora is missing (build first)" >&2; rm -rf "$WORK"; exit 2; }
        mkdir "$WORK/program"
        cp "$ROOT"/build/meldora "$ROOT"/build/meldora-*.so "$ROOT"/data/* "$WORK/program/"
        [[ -z "$HISTORY" ]] || cp "$HISTORY" "$WORK/program/History.csv"
        set -- "$WORK/program/meldora" --seed "$SEED"
    fi
    [[ -n "$LOGS" ]] || LOGS=$WORK/logs
    mkdir -p "$LOGS"
    LOGS=$(cd "$LOGS" && pwd)
    rm -f "$LOGS"/{orca-debug.log,speech.log,orca.out,program.out,xvfb.log,dbus.log,at-spi.log,harness.log,wm.log,voice.log,voice.log.until,voice.log.until.new,speech-dispatcher.log}
    if [[ "$STEPS" == "-" ]]; then cat >"$WORK/steps"; elif [[ -n "$STEPS" ]]; then cp "$STEPS" "$WORK/steps"; else : >"$WORK/steps"; fi
    export H_WORK=$WORK H_LOGS=$LOGS H_QUIET=$QUIET H_KEY_ECHO=$KEY_ECHO H_READY=$READY H_VOICE=$VOICE H_WM=$WM H_BRAILLE=$BRAILLE H_PATIENT=$PATIENT
    printf '%s\n' "${APP_ENV[@]}" >"$WORK/env"
    printf '%s\n' "${ORCA_ARGS[@]}" >"$WORK/orca-args"
    status=0
    started=$SECONDS
    # --kill-child: if this script dies, the namespace's first process is
    # killed, and with it every process in the namespace.
    ns=(--pid --fork --kill-child --mount-proc)
    ((EUID == 0)) || ns=(--user --map-root-user "${ns[@]}")
    timeout --kill-after=10 "$TIMEOUT" unshare "${ns[@]}" "$0" --inner "$@" || status=$?
    if [[ -f "$LOGS/speech.log" ]]; then
        # Up to the end of the steps: Orca may still say "Screen reader off."
        sed '/^[0-9:.]* END$/q' "$LOGS/speech.log" | utterances >"$WORK/timed"
        { if ((INTERRUPTS)); then cat; else grep -v $'\t\\[interrupt\\]$' || true; fi; } <"$WORK/timed" |
            { if ((TIMES)); then sed 's/\t/ /'; else cut -f2-; fi; } >"$WORK/utterances"
        if ((VOICE)) && [[ -f "$LOGS/voice.log" ]]; then
            # START and END lines of each utterance: ended is heard, else cut.
            awk -v times="$TIMES" '$2 == "START" { id = $3; start[id] = $1; $1 = $2 = $3 = ""; text[id] = substr($0, 4); order[++n] = id }
                 $2 == "END" { done[$3] = $1 }
                 END { for (i = 1; i <= n; i++) { id = order[i]
                         printf "%s%s: %s\n", (times ? start[id] " " : ""), (id in done ? "heard" : "cut"), text[id] } }' \
                "$LOGS/voice.log" | run_folder >>"$WORK/utterances"
        fi
        [[ -z "$OUT" ]] || cp "$WORK/utterances" "$OUT"
        # A failed wait still shows how far the hand got in Orca's words.
        if [[ "$KEYS" != none ]]; then
            grep -v $'\t\\[interrupt\\]$' "$WORK/timed" | cut -f2- >"$WORK/said" || true
            if ! check_keys "$KEYS" "$WORK/said"; then
                ((status)) || status=1
                { echo "orca-test: what Orca said:"; sed 's/^/    /' "$WORK/said"; } >&2
            fi
        fi
    fi
    ((status == 124)) && echo "orca-test: timed out after ${TIMEOUT}s" >&2
    echo "orca-test: $((SECONDS - started)) s, exit status $status" >&2
    rm -rf "$WORK" # the logs stay if they were asked for (-l)
    exit "$status"
fi

# ---------------------------------------------------------------- inside the namespace
shift # --inner
WORK=$H_WORK LOGS=$H_LOGS QUIET=$H_QUIET
SPEECH=$LOGS/speech.log
PIDS=()
say() { echo "orca-test: $*" >&2; }
now() { date +%H:%M:%S.%3N; }

# shellcheck disable=SC2317 # (called by the trap)
cleanup() {
    local pid
    # What Orca says from here on (perhaps "Screen reader off.") is not output.
    [[ -f "$SPEECH" ]] && echo "$(now) END" >>"$SPEECH"
    # The program and Orca first, the buses after them, the X server last, so
    # that none of them complains of a vanished peer; the namespace ending
    # takes anything left.
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        pid=${PIDS[i]}
        kill -TERM "$pid" 2>/dev/null || continue
        for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -KILL "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    return 0
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$WORK/home" "$WORK/runtime" "$WORK/prefs"
chmod 700 "$WORK/runtime"
export HOME=$WORK/home XDG_RUNTIME_DIR=$WORK/runtime XDG_CONFIG_HOME=$WORK/home/.config
export XDG_DATA_HOME=$WORK/home/.local/share XDG_CACHE_HOME=$WORK/home/.cache
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER

# 1. The X server, on a display number of its own choosing.
exec 5>"$WORK/display"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$LOGS/xvfb.log" 2>&1 &
PIDS+=($!)
exec 5>&-
for _ in $(seq 100); do [[ -s "$WORK/display" ]] && break; sleep 0.1; done
[[ -s "$WORK/display" ]] || { say "Xvfb did not start"; exit 2; }
DISPLAY=:$(head -1 "$WORK/display")
export DISPLAY

# A window manager, as on a desktop: it activates new windows and gives the
# focus back to the program's window when a dialog closes.
if [[ "${H_WM:-1}" == 1 ]]; then
    openbox --sm-disable >"$LOGS/wm.log" 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done
fi

# 2. The D-Bus session bus; the AT-SPI bus launcher puts the accessibility
# bus beside it and the registry on that bus.
dbus-daemon --session --nofork --print-address=6 6>"$WORK/bus" >"$LOGS/dbus.log" 2>&1 &
PIDS+=($!)
for _ in $(seq 100); do [[ -s "$WORK/bus" ]] && break; sleep 0.1; done
[[ -s "$WORK/bus" ]] || { say "dbus-daemon did not start"; exit 2; }
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$WORK/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$LOGS/at-spi.log" 2>&1 &
PIDS+=($!)

# 3. Orca. Its customization file (read at start-up, before anything is
# said) keeps speech away from any speech server, makes its debug log
# line-buffered and copies each utterance, timed, to the speech log; its key
# echo is off unless asked for.
cat >"$WORK/prefs/orca-customizations.py" <<'PY'
import logging, os
import orca.debug as debug
import orca.settings as settings
import orca.speech as speech

if os.environ.get("H_VOICE") != "1":
    settings.speechServerFactory = None
    settings.speechFactoryModules = []
settings.enableSpeech = True
settings.enableBraille = os.environ.get("H_BRAILLE") == "1"
settings.enableSound = False
if os.environ.get("H_KEY_ECHO") != "1":
    settings.enableKeyEcho = False
if debug.debugFile:
    debug.debugFile.reconfigure(line_buffering=True)
class OneLine(logging.Formatter):
    def format(self, record):
        return " ".join(super().format(record).splitlines())
handler = logging.FileHandler(os.environ["H_SPEECH_LOG"])
handler.setFormatter(OneLine("%(asctime)s.%(msecs)03d %(message)s", "%H:%M:%S"))
speech.log.addHandler(handler)
_stop = speech.stop
def _logged_stop():
    speech.log.info("SPEECH INTERRUPT")
    _stop()
speech.stop = _logged_stop
PY
: >"$SPEECH"
export H_SPEECH_LOG=$SPEECH
if [[ "${H_VOICE:-0}" == 1 ]]; then
    # A speech-dispatcher of this session only, with one "generic" voice that
    # runs the clock below for each message; speech-dispatcher kills it when
    # Orca cancels speech, so the END line is missing for a cut utterance.
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
    cat >"$WORK/voice-clock" <<'SH'
#!/bin/bash
text=$(cat)
id=$RANDOM$RANDOM
echo "$(date +%H:%M:%S.%3N) START $id $text" >>"$H_VOICE_LOG"
if command -v espeak-ng >/dev/null; then
    bytes=$(espeak-ng --stdout -- "$text" 2>/dev/null | wc -c)
    secs=$(echo "scale=3; ($bytes - 44) / 44100" | bc)
else
    secs=$(echo "scale=3; ${#text} / 14" | bc)
fi
# Until when the voice is busy: the harness waits for it before ending.
echo "$(date +%s.%N) + $secs" | bc >"$H_VOICE_LOG.until.new"
mv -f "$H_VOICE_LOG.until.new" "$H_VOICE_LOG.until"
sleep "$secs"
echo "$(date +%H:%M:%S.%3N) END $id" >>"$H_VOICE_LOG"
SH
    chmod +x "$WORK/voice-clock"
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/clock.conf" <<CONF
GenericExecuteSynth "printf %s \'\$DATA\' | $WORK/voice-clock"
GenericCmdDependency "bash"
AddVoice "en" "MALE1" "clock"
CONF
    cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "clock" "sd_generic" "clock.conf"
DefaultModule clock
AudioOutputMethod "alsa"
LogLevel 3
LogDir "$LOGS"
CONF
    # speech-dispatcher will not start without a sound device: ALSA's null one.
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
    export H_VOICE_LOG=$LOGS/voice.log
    : >"$H_VOICE_LOG"
fi
T0=$(date +%s.%N)
mapfile -t orca_args < <(grep . "$WORK/orca-args" || true)
orca -u "$WORK/prefs" "${orca_args[@]}" --debug-file "$LOGS/orca-debug.log" >"$LOGS/orca.out" 2>&1 &
PIDS+=($!)
ORCA_PID=$!
disown "$ORCA_PID" # (bash would report its being killed at the end)
ready=0
for _ in $(seq 300); do
    if grep -q "ORCA: Starting registry" "$LOGS/orca-debug.log" 2>/dev/null; then ready=1; break; fi
    kill -0 "$ORCA_PID" 2>/dev/null || break
    sleep 0.1
done
((ready)) || { say "Orca did not become ready (see $LOGS/orca-debug.log)"; exit 2; }
echo "$(now) Orca ready after $(echo "$(date +%s.%N) - $T0" | bc | cut -c1-4)s" >>"$LOGS/harness.log"

# Waiting on what Orca says.
wait_said() { # REGEX SECONDS [FROM-LINE]: until a line said after FROM-LINE matches
    local from=${3:-0} end=$((SECONDS + ${2%.*})) said
    while ((SECONDS <= end)); do
        said=$(tail -n +"$((from + 1))" "$SPEECH" | utterances | cut -f2-)
        grep -Eq -- "$1" <<<"$said" && return 0
        sleep 0.1
    done
    return 1
}
voice_busy() { # with --voice: is the clock voice still speaking?
    [[ "${H_VOICE:-0}" == 1 && -s "${H_VOICE_LOG}.until" ]] || return 1
    local busy_until
    busy_until=$(cat "${H_VOICE_LOG}.until")
    [[ -n "$busy_until" && $(echo "$(date +%s.%N) < $busy_until" | bc) == 1 ]]
}
wait_quiet() { # SECONDS: until the speech log has not grown for SECONDS
    local last size still=0 step=0.1 need
    need=$(echo "$1 / $step" | bc)
    last=$(stat -c %s "$SPEECH")
    while ((still < need)); do
        sleep "$step"
        size=$(stat -c %s "$SPEECH")
        if [[ "$size" == "$last" ]] && ! voice_busy; then still=$((still + 1)); else still=0 last=$size; fi
    done
}
mark() { echo "$(now) MARK $*" >>"$SPEECH"; }

# 4. The program: it finds accessibility on because Orca has switched it on.
start_program() {
    (
        while IFS= read -r assignment; do [[ -n "$assignment" ]] && export "${assignment?}"; done <"$WORK/env"
        exec "$@"
    ) >>"$LOGS/program.out" 2>&1 &
    PIDS+=($!)
    APP_PID=$!
    # The keys go to the focused X window: make sure it is the program's (with
    # no window manager, nothing else would give it the focus).
    WID=""
    for _ in $(seq 150); do
        WID=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -1 || true)
        [[ -n "$WID" ]] && break
        kill -0 "$APP_PID" 2>/dev/null || break
        sleep 0.2
    done
    [[ -n "$WID" ]] || { say "the program showed no window"; exit 2; }
    if [[ "${H_WM:-1}" == 1 ]]; then
        xdotool windowactivate --sync "$WID" 2>/dev/null || true
    else
        xdotool windowfocus --sync "$WID" 2>/dev/null || true
    fi
}
START_LINE=$(wc -l <"$SPEECH")
start_program "$@"
if [[ -n "$H_READY" ]]; then
    wait_said "$H_READY" 30 "$START_LINE" || { say "the program was not presented as ready"; exit 2; }
else
    wait_said "." 30 "$START_LINE" || { say "Orca said nothing of the program"; exit 2; }
fi
wait_quiet "$QUIET"

# 5. The steps.
status=0
while IFS= read -r line || [[ -n "$line" ]]; do
    line=${line#"${line%%[![:space:]]*}"}
    [[ -z "$line" || "$line" == \#* ]] && continue
    read -r verb rest <<<"$line"
    kill -0 "$APP_PID" 2>/dev/null || { say "the program ended before: $line"; status=3; break; }
    case "$verb" in
    key)
        [[ "${H_PATIENT:-0}" == 1 ]] && wait_quiet "$QUIET"
        STEP_LINE=$(wc -l <"$SPEECH")
        for k in $rest; do xdotool key --clearmodifiers "$k"; sleep 0.15; done
        ;;
    type)
        STEP_LINE=$(wc -l <"$SPEECH")
        xdotool type --delay 120 "$rest"
        ;;
    sleep) sleep "$rest" ;;
    wait)
        regex=$rest secs=20
        if [[ "$rest" =~ ^(.*)[[:space:]]+([0-9]+)$ ]]; then regex=${BASH_REMATCH[1]} secs=${BASH_REMATCH[2]}; fi
        # What was said since the last key was sent counts.
        wait_said "$regex" "$secs" "${STEP_LINE:-0}" || { say "not said within ${secs}s: $regex"; status=3; break; }
        ;;
    quiet) wait_quiet "${rest:-$QUIET}" ;;
    restart)
        # As a crash would: no chance to save or to say goodbye.
        kill -KILL "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
        mark "the program killed and started again"
        STEP_LINE=$(wc -l <"$SPEECH")
        start_program "$@"
        ;;
    mark) mark "$rest" ;;
    *) say "unknown step: $line"; status=3; break ;;
    esac
done < <(cat "$WORK/steps"; echo)
((status == 0)) && wait_quiet "$QUIET"
exit "$status"
