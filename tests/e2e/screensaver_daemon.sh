#!/usr/bin/env bash
# Tyvok as XScreenSaver's one hack (`--root`), run by the real daemon on a display of its own
# (the daemon grabs the input). The daemon runs no hack as root, so it runs as nobody, with the
# build installed where nobody can read it. Once activated, Tyvok draws a moving picture in the
# daemon's window and opens no window of its own; once deactivated, it is gone.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
user=nobody
chmod 755 "$work"
prefix=$work/prefix
home=$work/home
installBuild "$prefix"
cp "$SWAP_COUNTER" "$prefix/swap_counter.so"
# Under the sanitizers the leak check's suppressions must be readable by that user as well.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$prefix/lsan.supp"
    export LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$prefix/lsan.supp}
fi
hack=$prefix/libexec/xscreensaver/tyvok
mkdir "$home"
install -o "$user" -m 644 /dev/null "$swapLog"
cat >"$home/.xscreensaver" <<EOF
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
timeout: 1:00:00
programs: SWAP_LOG=$swapLog LD_PRELOAD=$prefix/swap_counter.so $hack --root \\n
EOF
chown -R "$user" "$home"
daemon=""
extraCleanup='stopDaemon'
stopDaemon() {
    [ -z "$daemon" ] || { xscreensaver-command -exit &>/dev/null; kill "$daemon"; wait "$daemon"; }
} 2>/dev/null
(cd "$home" && HOME=$home exec setpriv --reuid "$user" --regid nogroup --clear-groups \
    xscreensaver -no-splash -verbose) >"$work/daemon.log" 2>&1 &
daemon=$!
within=30 waitFor "answer from the daemon" eval 'xscreensaver-command -version &>/dev/null' ||
    finish

look() { read -r _ _ lit changed _ <<<"$("$X_PROBE" pixels root "$work/pixels")"; }
hackPid() { pid=$(pgrep -u "$user" -x tyvok) && [ -n "$pid" ]; }
pictured() { look && [ "$lit" -gt 1000 ]; }

xscreensaver-command -activate >/dev/null
if within=30 waitFor "Tyvok started by the daemon" hackPid &&
    within=60 waitFor "picture on the screen" pictured; then
    # Past the fade-in, two looks 10 frames apart.
    within=60 waitFor "3 s on the program's clock" eval '[ "$(programMs 4)" -ge 3000 ]'
    look
    waitSwaps $(($(swaps) + 10))
    look
    echo "$changed of 786432 pixels changed in 10 frames, $lit lit"
    [ "$changed" -gt 1000 ] || fail "the picture hardly moved: $changed pixels changed"
    [ "$lit" -gt 10000 ] || fail "the screen is nearly black: $lit pixels lit"
    own=$(for option in --name --class --classname; do xdotool search "$option" '[Tt]yvok'; done)
    [ -z "$own" ] || fail "Tyvok opened windows of its own: $own"
    xscreensaver-command -deactivate >/dev/null
    waitFor "end of Tyvok after -deactivate" eval '! running "$pid"'
    pid=""
fi
grep -E 'Sanitizer|runtime error' "$work/daemon.log" && fail "sanitizer report from the hack"
[ "$failures" -eq 0 ] || tail -n 30 "$work/daemon.log"
finish
