#!/usr/bin/env bash
# The real program's window is titled "Tyvok" and fills the 1024 x 768 screen; Escape ends it with
# status 0 after its fade, also when pressed in the first second; a second Escape restarts the fade
# and r stops it.
# Arguments: the tyvok executable, the data folder, the file holding the test display (":N").
set -uo pipefail
tyvok=$1
data=$2
DISPLAY=$(cat "$3")
export DISPLAY

work=$(mktemp -d)
pid=""
stop() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    pid=""
}
cleanup() {
    stop
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$data"/. "$work"/
cd "$work" || exit 1

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
within() { awk -v x="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(x >= lo && x <= hi) }'; }
sleepUntil() { # sleeps until $2 seconds after the time $1
    local left
    left=$(awk -v t="$1" -v s="$2" -v n="$(now)" \
        'BEGIN { d = t + s - n; printf "%.3f", (d > 0 ? d : 0) }')
    sleep "$left"
}

# Starts tyvok (never longer than 15 s), waits for its window and gives it the keyboard focus.
start() {
    started=$(now)
    timeout 15 "$tyvok" &
    pid=$!
    for _ in $(seq 250); do
        window=$(xdotool search --onlyvisible --name '^Tyvok$' 2>/dev/null | head -n1)
        if [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null; then return 0; fi
        sleep 0.02
    done
    fail "no Tyvok window to focus within 5 s"
    stop
    return 1
}

# Presses Escape, waits for tyvok to end and checks that it ended with status 0 1.7 to 2.7 s
# after the key (the quit second is whole and the fade ends 2.7 s after it; up to 0.5 s more is
# allowed for the key's way to the program and the last frame on a busy machine). Sets ended,
# in seconds since the start.
escapeAndFinish() {
    local pressed delay status
    pressed=$(now)
    xdotool key Escape
    wait "$pid"
    status=$?
    pid=""
    delay=$(since "$pressed")
    ended=$(since "$started")
    echo "$1: status $status, ended ${delay} s after Escape, ${ended} s after the start"
    [ "$status" -eq 0 ] || fail "$1: exit status $status"
    within "$delay" 1.7 3.2 || fail "$1: ended ${delay} s after Escape, expected 1.7 to 2.7"
}

# 1. The window fills the screen; a few commands, then Escape at about 3 s.
if start; then
    sleepUntil "$started" 1.0 # the window opens at 512 x 512 and then goes full screen
    geometry=$(xdotool getwindowgeometry "$window")
    [[ $geometry == *"Geometry: 1024x768"* ]] || fail "the window is not the whole screen: $geometry"
    xdotool key question w l question v Up
    xdotool mousemove 470 360
    sleepUntil "$started" 3.0
    kill -0 "$pid" 2>/dev/null || fail "tyvok ended before Escape"
    escapeAndFinish "Escape at 3 s"
fi

# 2. Escape half a second after the start: the quit second is 0, and the program still ends
#    2.7 s into its clock, which starts a little after the process (0.5 s more allowed, as above).
if start; then
    sleepUntil "$started" 0.5
    early=$(since "$started")
    escapeAndFinish "Escape at ${early} s"
    if within "$early" 0 0.9; then
        within "$ended" 2.7 3.5 || fail "early Escape: ended ${ended} s after the start"
    fi
fi

# 3. A second Escape in a later second restarts the fade from that second: the program ends
#    1.7 to 2.7 s after the second Escape, not after the first.
if start; then
    sleepUntil "$started" 1.0
    xdotool key Escape
    sleepUntil "$started" 2.2
    escapeAndFinish "second Escape 1.2 s after the first"
fi

# 4. r during the fade stops it: the program still runs after the fade would have ended, and a
#    later Escape ends it as usual.
if start; then
    sleepUntil "$started" 1.0
    xdotool key Escape
    sleepUntil "$started" 1.5
    xdotool key r
    sleepUntil "$started" 4.2
    if kill -0 "$pid" 2>/dev/null; then
        escapeAndFinish "Escape after r"
    else
        fail "r did not stop the quit fade"
        stop
    fi
fi

[ "$failures" -eq 0 ] && echo "escape_quits: all checks passed"
exit $((failures > 0))
