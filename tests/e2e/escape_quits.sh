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

# start OFFSET: tyvok with its clock moved on by OFFSET ms, its window focused.
start() {
    started=$(now)
    TYVOK_CLOCK_OFFSET_MS=$1 startTyvok
    waitFor "Tyvok window" findWindow && xdotool windowfocus "$window" && return
    stopTyvok
    return 1
}

# Presses Escape, waits for tyvok to end and checks on the program's clock that it ended with
# status 0 in the first frame past 2.7 s after the whole second of the last Escape.
escapeAndFinish() {
    local escapeMs keyMs previousMs lastMs quitMs
    xdotool key Escape
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

# 1. The window (512 x 512 at first) fills the screen; a few commands, then Escape at about 3 s.
if start 0; then
    fillsScreen() { [[ $(xdotool getwindowgeometry "$window") == *"Geometry: 1024x768"* ]]; }
    waitFor "full-screen window" fillsScreen
    xdotool key question w l question v Up mousemove 470 360
    sleepUntil 3.0
    running "$pid" || fail "tyvok ended before Escape"
    escapeAndFinish "Escape at 3 s"
fi

# 2. A second Escape in a later second restarts the fade from that second: the program ends
#    2.7 s after the second Escape's whole second, not after the first.
if start 0; then
    sleepUntil 1.0
    xdotool key Escape
    sleepUntil 2.2
    escapeAndFinish "second Escape 1.2 s after the first"
fi

# 3. Escape half a second after the start (the quit second is 0, and the program still ends
#    2.7 s into its clock), and 3 s after GLUT's elapsed time has passed 2^31 ms (where it turns
#    negative), 2^32 ms (where it wraps to 0) and a week: the clock runs on as usual.
for run in "0 0.5" "$((2 ** 31 - 2000)) 3.0" "$((2 ** 32 - 2000)) 3.0" "$((7 * 86400000)) 3.0"; do
    read -r offset after <<<"$run"
    if start "$offset"; then
        sleepUntil "$after"
        escapeAndFinish "Escape after ${offset} ms and $after s"
    fi
done
finish
