#!/usr/bin/env bash
# The real program's window is titled "Tyvok" and fills the 1024 x 768 screen; Escape ends it with
# status 0 after its fade, also when pressed in the first second, and after GLUT's elapsed time
# has wrapped; a second Escape restarts the fade (the reset test shows that r stops it). The fade
# is timed on the program's own clock, which a preloaded library records; wall-clock limits are
# only generous.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
preload=$ELAPSED_CLOCK
export TYVOK_CLOCK_FILE=$work/clock
now() { date +%s.%N; }
sleepUntil() { # sleeps until $1 seconds after the start
    sleep "$(awk -v t="$started" -v s="$1" -v n="$(now)" \
        'BEGIN { d = t + s - n; printf "%.3f", (d > 0 ? d : 0) }')"
}

# start OFFSET: tyvok with its clock moved on by OFFSET ms, its window focused (xdotool's keys
# go to the focused window).
start() {
    started=$(now)
    TYVOK_CLOCK_OFFSET_MS=$1 startTyvok
    waitFor "Tyvok window" findWindow && xdotool windowfocus "$window" && return
    stopTyvok
    return 1
}

# Waits for tyvok to end and checks on the program's clock that it ended with status 0 in the
# first frame past 2.7 s after the whole second of the last Escape.
checkFade() {
    local escapeMs keyMs previousMs lastMs quitMs
    waitExit
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

# Each run: the clock's offset in ms, then the seconds after the start at which Escape is pressed.
# 1. Escape at 3 s, after a few commands (in every run that presses it at 3 s).
# 2. A second Escape in a later second restarts the fade from that second: the program ends 2.7 s
#    after the second Escape's whole second, not after the first.
# 3. Escape half a second after the start (the quit second is 0, and the program still ends
#    2.7 s into its clock), and 3 s after GLUT's elapsed time has passed 2^31 ms (where it turns
#    negative), 2^32 ms (where it wraps to 0) and a week: the clock runs on as usual.
while read -r offset presses; do
    start "$offset" || continue
    # The window opens at 512 x 512 and then goes full screen.
    fillsScreen() { [[ $(xdotool getwindowgeometry "$window") == *"Geometry: 1024x768"* ]]; }
    waitFor "full-screen window" fillsScreen
    [ "$presses" != 3.0 ] || xdotool key question w l question v Up mousemove 470 360
    for after in $presses; do
        sleepUntil "$after"
        running "$pid" || fail "tyvok ended before the Escape at $after s"
        xdotool key Escape
    done
    checkFade "Escape after ${offset} ms at $presses s"
done <<RUNS
0 3.0
0 1.0 2.2
0 0.5
$((2 ** 31 - 2000)) 3.0
$((2 ** 32 - 2000)) 3.0
$((7 * 86400000)) 3.0
RUNS
finish
