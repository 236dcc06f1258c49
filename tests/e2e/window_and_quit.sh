#!/usr/bin/env bash
# The real program's window is titled "Tyvok" and fills the 1024 x 768 screen; Escape fades it out
# and ends it with status 0, also in the first second; a reset during the fade keeps it running.
# Arguments: the tyvok executable, the data folder, the file holding the test display.
set -uo pipefail
tyvok=$1
[ -d "$2" ] && cd "$2" # missing images do not stop the program
DISPLAY=$(cat "$3")
export DISPLAY
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts the program and waits for its window; prints the window's id.
start() {
    "$tyvok" >/dev/null 2>&1 &
    pid=$!
    window=$(timeout 10 xdotool search --sync --name '^Tyvok$' | head -n1)
    [ -n "$window" ] || fail "no window titled Tyvok"
}

# Waits up to $1 seconds for the program to end; checks that it ended with status 0.
expectExit() {
    for _ in $(seq $((${1} * 20))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            pid=
            [ "$status" -eq 0 ] || fail "exit status $status"
            return
        fi
        sleep 0.05
    done
    fail "still running $1 s after Escape"
}

start
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Geometry: 1024x768"* ]] ||
    fail "window is not the whole screen: $geometry"
xdotool key Escape # within the program's first second: the quit time is 0
expectExit 5

start
sleep 1.5
xdotool key Escape
sleep 0.8 # the fade takes 1.7 to 2.7 s of the program's clock
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    fail "ended within 0.8 s of Escape, with status $?"
fi
expectExit 4

start
sleep 1.5
xdotool key Escape
sleep 0.5
xdotool key r
sleep 3
kill -0 "$pid" 2>/dev/null || fail "a reset during the fade did not stop it"
xdotool key Escape
expectExit 4
echo "window and quit: passed"
