#!/usr/bin/env bash
# The real program's window is titled "Tyvok" and fills the 1024 x 768 screen; Escape ends it with
# status 0 after its fade, also when pressed in the first second, and after GLUT's elapsed time
# has wrapped; a second Escape restarts the fade (the reset test shows that r stops it). The fade
# is timed on the program's own clock, which a preloaded library records; wall-clock limits are
# only generous.
# Arguments: the tyvok executable, the data folder, the file holding the test display (":N"), the
# clock library to preload.
set -uo pipefail
. "$(dirname "$0")/../support/wait.sh"
tyvok=$1 data=$2 clockLibrary=$4
DISPLAY=$(cat "$3")
export DISPLAY
# The program is built with AddressSanitizer in one of the passes; the library comes first.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

work=$(mktemp -d)
pid=""
stop() {
    [ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
    pid=""
}
trap 'stop; rm -rf "$work"' EXIT
cp -r "$data"/. "$work"/
cd "$work" || exit 1

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
now() { date +%s.%N; }
sleepUntil() { # sleeps until $2 seconds after the time $1
    sleep "$(awk -v t="$1" -v s="$2" -v n="$(now)" \
        'BEGIN { d = t + s - n; printf "%.3f", (d > 0 ? d : 0) }')"
}

focusWindow() {
    window=$(xdotool search --onlyvisible --name '^Tyvok$' 2>/dev/null | head -n1)
    [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
}

# Starts tyvok with its clock moved on by $1 ms, waits for its window and gives it the keyboard
# focus. A run that outlasts both its waits and the seconds it is driven for is ended.
start() {
    started=$(now)
    TYVOK_CLOCK_OFFSET_MS=${1:-0} TYVOK_CLOCK_FILE="$work/clock" LD_PRELOAD="$clockLibrary" \
        timeout $((2 * waitSeconds + 10)) "$tyvok" &
    pid=$!
    waitUntil focusWindow && return 0
    fail "no Tyvok window to focus within $waitSeconds s"
    stop
    return 1
}

# Presses Escape, waits for tyvok to end and checks on the program's clock that it ended with
# status 0 in the first frame past 2.7 s after the whole second of the last Escape.
escapeAndFinish() {
    local status escapeMs keyMs previousMs lastMs quitMs
    xdotool key Escape
    waitForExit "$pid"
    status=$?
    [ "$status" -ne 124 ] || fail "$1: still running $waitSeconds s after Escape"
    stop
    read -r escapeMs keyMs previousMs lastMs <"$work/clock"
    quitMs=$((escapeMs / 1000 * 1000))
    echo "$1: status $status, Escape at ${escapeMs} ms, last frames at ${previousMs} and" \
        "${lastMs} ms on the program's clock"
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
    [ "$escapeMs" -ge 0 ] || fail "$1: the program saw no Escape"
    if [ $((lastMs - quitMs)) -lt 2700 ] || [ $((previousMs - quitMs)) -gt 2700 ]; then
        fail "$1: ended at ${lastMs} ms (frame before: ${previousMs} ms), expected the first" \
            "frame past $((quitMs + 2700)) ms"
    fi
}

# 1. The window fills the screen; a few commands, then Escape at about 3 s.
if start; then
    # The window opens at 512 x 512 and then goes full screen.
    fillsScreen() { [[ $(xdotool getwindowgeometry "$window") == *"Geometry: 1024x768"* ]]; }
    waitUntil fillsScreen ||
        fail "the window is not the whole screen: $(xdotool getwindowgeometry "$window")"
    xdotool key question w l question v Up
    xdotool mousemove 470 360
    sleepUntil "$started" 3.0
    kill -0 "$pid" 2>/dev/null || fail "tyvok ended before Escape"
    escapeAndFinish "Escape at 3 s"
fi

# 2. A second Escape in a later second restarts the fade from that second: the program ends
#    2.7 s after the second Escape's whole second, not after the first.
if start; then
    sleepUntil "$started" 1.0
    xdotool key Escape
    sleepUntil "$started" 2.2
    escapeAndFinish "second Escape 1.2 s after the first"
fi

# 3. Escape half a second after the start (the quit second is 0, and the program still ends
#    2.7 s into its clock), and 3 s after GLUT's elapsed time has passed 2^31 ms (where it turns
#    negative), 2^32 ms (where it wraps to 0) and a week: the clock runs on as usual.
for run in "0 0.5" "$((2 ** 31 - 2000)) 3.0" "$((2 ** 32 - 2000)) 3.0" "$((7 * 86400000)) 3.0"; do
    read -r offset after <<<"$run"
    if start "$offset"; then
        sleepUntil "$started" "$after"
        escapeAndFinish "Escape after ${offset} ms and $after s"
    fi
done

[ "$failures" -eq 0 ] && echo "escape_quits: all checks passed"
exit $((failures > 0))
