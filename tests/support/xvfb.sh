#!/usr/bin/env bash
# Starts or stops a private X display: an Xvfb server on a free display number, whose number is
# written to <dir>/display for the tests and scripts to read. Every private display of the
# project starts here. Usage: xvfb.sh start|stop DIR [--screen WIDTHxHEIGHT, default 1024x768]
set -euo pipefail
. "$(dirname "$0")/wait.sh"
action=$1
dir=$2
shift 2
screen=1024x768
while [ $# -gt 0 ]; do
    case "$1" in
    --screen) screen=$2; shift 2 ;;
    *) echo "xvfb.sh: unknown option $1" >&2; exit 2 ;;
    esac
done
mkdir -p "$dir"
case "$action" in
start)
    if [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
        kill "$(cat "$dir/pid")" || true
    fi
    rm -f "$dir/display" "$dir/pid"
    exec 3>"$dir/displayfd"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/pid"
    if waitUntil test -s "$dir/displayfd"; then
        echo ":$(head -n1 "$dir/displayfd")" >"$dir/display"
        echo "Xvfb running on $(cat "$dir/display")"
        exit 0
    fi
    echo "Xvfb did not start within $waitSeconds s:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
    ;;
stop)
    if [ -f "$dir/pid" ]; then kill "$(cat "$dir/pid")" 2>/dev/null || true; fi
    rm -f "$dir/display" "$dir/pid"
    ;;
esac
