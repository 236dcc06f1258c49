#!/usr/bin/env bash
# Tyvok as XScreenSaver's one hack (`--root`), run by the real daemon on a display of its own
# (the daemon grabs the input). The daemon runs no hack as root, so it runs as the unprivileged
# user, with the build installed where that user can read it. Once activated, Tyvok draws a
# moving picture in the daemon's window and opens no window of its own; once deactivated, it is
# gone.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
unprivileged
prefix=$work/prefix
installBuild "$prefix"
# Under the sanitizers the leak check's suppressions must be readable by that user as well.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
    cp "${BASH_REMATCH[1]}" "$prefix/lsan.supp"
    export LSAN_OPTIONS=${LSAN_OPTIONS/${BASH_REMATCH[1]}/$prefix/lsan.supp}
fi
hack="SWAP_LOG=$swapLog LD_PRELOAD=$work/swaps.so $prefix/libexec/xscreensaver/tyvok --root"
printf '%s\n' "mode: one" "selected: 0" "lock: False" "fade: False" "unfade: False" "splash: False" \
    "timeout: 1:00:00" "programs: $hack \\n" >"$home/.xscreensaver"
chown "$user" "$home/.xscreensaver"
"${asUser[@]}" xscreensaver -no-splash -verbose >"$work/daemon.log" 2>&1 &
daemon=$!
extraCleanup='xscreensaver-command -exit &>/dev/null; kill $daemon 2>/dev/null; wait $daemon'
within=30 waitFor "answer from the daemon" eval 'xscreensaver-command -version &>/dev/null' ||
    finish

xscreensaver-command -activate >/dev/null
if within=30 waitFor "Tyvok started by the daemon" eval 'pid=$(hackPid)' &&
    waitMs 3000; then
    drawsInEveryQuadrant root 1024 768
    noWindowOfItsOwn
    xscreensaver-command -deactivate >/dev/null
    waitFor "end of Tyvok after -deactivate" eval '! running "$pid"'
    pid=""
fi
grep -E 'Sanitizer|runtime error' "$work/daemon.log" && fail "sanitizer report from the hack"
[ "$failures" -eq 0 ] || tail -n 30 "$work/daemon.log"
finish
