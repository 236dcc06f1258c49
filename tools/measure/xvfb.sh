#!/usr/bin/env bash
# Starts or stops a private X display (every one of the project's starts here): an Xvfb server
# of 1024 x 768 on a free display number, whose number is written to <dir>/display for the tests
# and scripts to read.
# Usage: xvfb.sh start|stop DIR [WxH [WINDOW_MANAGER]]: another screen size, and a window manager
# (openbox) that runs on the display until it stops.
set -euo pipefail
. "$(dirname "$0")/wait.sh"
action=$1
dir=$2
size=${3:-1024x768}
manager=${4:-}
mkdir -p "$dir"
case "$action" in
start)
    "$0" stop "$dir"
    exec 3>"$dir/displayfd"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/pid"
    if ! waitUntil test -s "$dir/displayfd"; then
        echo "Xvfb did not start within $waitSeconds s:" >&2
        cat "$dir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=:$(head -n1 "$dir/displayfd")
    echo "$DISPLAY" >"$dir/display"
    echo "Xvfb running on $DISPLAY"
    [ -z "$manager" ] && exit 0
    "$manager" >"$dir/manager.log" 2>&1 &
    echo $! >"$dir/manager.pid"
    # A window manager that follows the EWMH names itself on the root window.
    managerRunning() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    waitUntil managerRunning && exit 0
    echo "$manager did not start within $waitSeconds s:" >&2
    cat "$dir/manager.log" "$dir/xvfb.log" >&2
    exit 1
    ;;
stop)
    for started in manager.pid pid; do
        [ ! -f "$dir/$started" ] || kill "$(cat "$dir/$started")" 2>/dev/null || true
    done
    rm -f "$dir/display" "$dir/pid" "$dir/manager.pid"
    ;;
esac
