# Sourced by the scripted tests: a private display, the program started with the swap counter,
# its window, waits with deadlines, the failure count and the clean-up. CTest sets TYVOK (the
# program), TYVOK_DATA (its images), TYVOK_BUILD (the build folder), SWAP_COUNTER, X_PROBE and
# ELAPSED_CLOCK.
set -uo pipefail
support=$(dirname "${BASH_SOURCE[0]}")
. "$support/wait.sh"
# The program is built with AddressSanitizer in one of the passes; the preloads come first.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
work=$(mktemp -d)
swapLog=$work/swaps
pid=""
helper=""
failures=0
extraCleanup=:
cleanup() {
    stopTyvok
    closeWindow
    $extraCleanup
    [ ! -d "$work/xvfb" ] || "$support/xvfb.sh" stop "$work/xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    [ "$failures" -eq 0 ] && echo "$(basename "$0" .sh): all checks passed"
    exit $((failures > 0))
}

# privateDisplay [WxH [WINDOW_MANAGER]]: an Xvfb server of the test's own, made $DISPLAY.
privateDisplay() {
    "$support/xvfb.sh" start "$work/xvfb" "$@" >/dev/null || exit 1
    DISPLAY=$(cat "$work/xvfb/display")
    export DISPLAY
}

# installBuild PREFIX: the build installed there, or the test ends.
installBuild() {
    cmake --install "$TYVOK_BUILD" --prefix "$1" >"$work/install.log" && return
    cat "$work/install.log"
    exit 1
}

# startTyvok ARGS...: the program in $folder (its images' folder by default) with $preload
# loaded after the swap counter, its swaps logged afresh to $swapLog, its stderr in $work/stderr.
startTyvok() {
    : >"$swapLog"
    (cd "${folder:-$TYVOK_DATA}" && SWAP_LOG=$swapLog \
        LD_PRELOAD="$SWAP_COUNTER${preload:+ $preload}" exec "$TYVOK" "$@") 2>"$work/stderr" &
    pid=$!
}
stopTyvok() {
    [ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }
    pid=""
}
# running PID: the process has not ended (an ended child that is not yet waited for is a zombie).
running() { [[ $(ps -o stat= -p "$1") == [^Z]* ]]; }
# waitFor WHAT COMMAND...: waits for COMMAND to succeed (for $within seconds, the usual deadline
# by default); fails the test at the deadline.
waitFor() {
    local what=$1
    shift
    waitSeconds=${within:-$waitSeconds} waitUntil "$@" && return
    fail "no $what within ${within:-$waitSeconds} s"
    return 1
}
# waitExit: waits for the program to end; its exit status is left in $status (-1: still running
# at the deadline, and then stopped).
waitExit() {
    status=-1
    waitFor "end of the program" eval '! running "$pid"' && { wait "$pid"; status=$?; pid=""; }
    stopTyvok
}
# openWindow W H: a window that x_probe makes, its id in $testWindow; closeWindow destroys it
# (x_probe then writes "destroyed" to $work/window).
openWindow() {
    rm -f "$work/window"
    "$X_PROBE" window "$1" "$2" >"$work/window" &
    helper=$!
    waitFor "test window" test -s "$work/window" || exit 1
    testWindow=$(head -n1 "$work/window")
}
closeWindow() {
    [ -z "$helper" ] || { kill "$helper" 2>/dev/null; wait "$helper" 2>/dev/null; }
    helper=""
}
# findWindow: the program's visible window, in $window.
findWindow() {
    window=$(xdotool search --onlyvisible --name '^Tyvok$' 2>/dev/null | head -n1)
    [ -n "$window" ]
}

swaps() { wc -l <"$swapLog"; }
# programMs COLUMN: the program's clock at the last swap (3: GLUT's, 4: the X-window host's).
programMs() { awk -v c="$1" 'END { print $c + 0 }' "$swapLog"; }
waitSwaps() { waitFor "$1 frames" eval '[ "$(swaps)" -ge '"$1"' ]'; }
# checkPacing NAME COLUMN: for the program at --max-fps 30 (in a small window, where frames are
# cheap even under the sanitizers), waits for 6 s on its clock (the swap log's COLUMN); no whole
# second of that clock may hold more than 30 frames, and the frames that came on time (at most one
# and a half periods after the one before) must come at 25 a second or more.
checkPacing() {
    local verdict
    within=90 waitFor "6 s on the $1's clock" eval '[ "$(programMs '"$2"')" -ge 6000 ]' || return
    verdict=$(awk -v c="$2" '$c >= 0 {
            second = int($c / 1000); ++perSecond[second]; times[second] = times[second] " " $c
            if (second > lastSecond) lastSecond = second
            if (seen && $c - last <= 50) { onTime++; span += $c - last }
            seen = 1; last = $c
        } END {
            for (s = 0; s <= lastSecond; ++s) counts = counts " " perSecond[s] + 0
            rate = span > 0 ? onTime * 1000 / span : 0
            printf "frames in each second:%s; %d on time at %.1f a second\n", counts, onTime, rate
            for (s = 0; s <= lastSecond; ++s)
                if (perSecond[s] > 30) print "FAIL: more than 30 frames at (ms)" times[s]
            if (onTime < 60 || rate < 25) print "FAIL: under 60 on time, or under 25 a second"
        }' "$swapLog")
    echo "$1: $verdict"
    [[ $verdict != *FAIL* ]] || fail "$1: pacing at 30 frames a second"
}
# processorTicks PID: user and system time in clock ticks.
processorTicks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
