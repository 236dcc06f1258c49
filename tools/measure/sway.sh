#!/usr/bin/env bash
# Starts or stops a private Wayland compositor (every one of the project's starts here): sway's
# headless backend with one output of 1024 x 768 (HEADLESS-1), drawn in software, without
# Xwayland, so that nothing there can fall back to X. sway refuses to run as root, so it runs as
# nobody, with a runtime folder of its own in DIR (which nobody must be able to reach); clients
# run as root connect all the same. What they need is written to DIR/environment, to be sourced:
# WAYLAND_DISPLAY, XDG_RUNTIME_DIR and SWAYSOCK (which swaymsg needs when not run as sway's user).
# Usage: sway.sh start|stop DIR
set -euo pipefail
. "$(dirname "$0")/wait.sh"
action=$1
dir=$2
user=nobody
mkdir -p "$dir"
case "$action" in
start)
    "$0" stop "$dir"
    runtime=$dir/runtime
    rm -rf "$runtime" && install -d -o "$user" -g nogroup -m 700 "$runtime"
    # Without the pointer-constraint line sway 1.7 grants no pointer lock; Tyvok's window floats,
    # so that its own size holds when it leaves full screen.
    printf '%s\n' 'xwayland disable' 'output HEADLESS-1 mode 1024x768 position 0 0' \
        'seat * pointer_constraint enable' 'for_window [app_id="tyvok"] floating enable' \
        >"$dir/config"
    (unset DISPLAY WAYLAND_DISPLAY SWAYSOCK && HOME=$runtime XDG_RUNTIME_DIR=$runtime \
        WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        exec setpriv --reuid "$user" --regid nogroup --clear-groups sway -c "$dir/config") \
        >"$dir/sway.log" 2>&1 &
    echo $! >"$dir/pid" # setpriv and the subshell exec: this is sway itself
    ready() {
        socket=$(cd "$runtime" && ls wayland-[0-9]* 2>/dev/null | grep -v lock | head -n1) &&
            ipc=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null) && [ -n "$socket" ] &&
            SWAYSOCK=$ipc swaymsg -t get_outputs 2>/dev/null | grep -q HEADLESS-1
    }
    if ! waitUntil ready; then
        echo "sway did not start within $waitSeconds s:" >&2
        cat "$dir/sway.log" >&2
        exit 1
    fi
    printf 'export WAYLAND_DISPLAY=%s XDG_RUNTIME_DIR=%s SWAYSOCK=%s\n' "$socket" "$runtime" \
        "$ipc" >"$dir/environment"
    echo "sway running on $socket"
    ;;
stop)
    [ ! -f "$dir/pid" ] || kill "$(cat "$dir/pid")" 2>/dev/null || true
    rm -f "$dir/environment" "$dir/pid"
    ;;
esac
