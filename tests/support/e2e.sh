# Sourced by the end-to-end scripts of the hosts: a private display, the program started with the
# swap counter, waits with deadlines, and the failure count. CTest sets TYVOK (the program),
# TYVOK_DATA (its images), TYVOK_BUILD (the build folder), SWAP_COUNTER and X_PROBE.
set -uo pipefail
# The program is built with AddressSanitizer in one of the passes; the counter comes first.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
support=$(dirname "${BASH_SOURCE[0]}")
work=$(mktemp -d)
swapLog=$work/swaps
pid=""
failures=0
extraCleanup=:
cleanup() {
    stopTyvok
    $extraCleanup
    "$support/xvfb.sh" stop "$work/xvfb"
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

# startTyvok ARGS...: the program in its images' folder, its swaps logged afresh to $swapLog.
startTyvok() {
    : >"$swapLog"
    (cd "$TYVOK_DATA" && SWAP_LOG=$swapLog LD_PRELOAD=$SWAP_COUNTER exec "$TYVOK" "$@") \
        2>"$work/stderr" &
    pid=$!
}
stopTyvok() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    pid=""
}
# running PID: the process has not ended (an ended child that is not yet waited for is a zombie).
running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)
    [ -n "$state" ] && [ "$state" != Z ]
}
# waitExit SECONDS: waits for the program to end; its exit status is left in $status (-1: still
# running at the deadline, and then stopped).
waitExit() {
    if waitFor "end of the program" "$1" eval '! running "$pid"'; then
        wait "$pid"
        status=$?
        pid=""
    else
        status=-1
        stopTyvok
    fi
}

swaps() { wc -l <"$swapLog"; }
# programMs COLUMN: the program's clock at the last swap (3: GLUT's, 4: the X-window host's).
programMs() { awk -v c="$1" 'END { print $c + 0 }' "$swapLog"; }
# waitFor WHAT SECONDS COMMAND...: polls COMMAND until it succeeds; fails the test at the deadline.
waitFor() {
    local what=$1 limit=$2 deadline=$((SECONDS + $2))
    shift 2
    until "$@"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            fail "no $what within $limit s"
            return 1
        fi
        sleep 0.1
    done
}
waitSwaps() { waitFor "$1 frames" "${2:-30}" eval '[ "$(swaps)" -ge '"$1"' ]'; }
# processorTicks PID: user and system time in clock ticks.
processorTicks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
