#!/usr/bin/env bash
# The installed program as xsecurelock's saver, by its full path, the locker run as the
# unprivileged user: Tyvok's moving picture in the saver window it is given, none of its own; gone
# once the locker ends on SIGTERM.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
unprivileged
"${asUser[@]}" env XSECURELOCK_SAVER=/usr/bin/tyvok SWAP_LOG="$swapLog" \
    LD_PRELOAD="$work/swaps.so" xsecurelock >"$work/locker.log" 2>&1 &
locker=$!
extraCleanup='kill $locker 2>/dev/null; wait $locker'
if waitFor "Tyvok started by the locker" eval 'pid=$(hackPid)' && findWindow && waitMs 3000; then
    given=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
    [ $((window)) = "$given" ] || fail "Tyvok drew in $window, not in the saver window $given"
    drawsInEveryQuadrant "$window" 1024 768
    noWindowOfItsOwn
    kill -TERM $locker
    waitFor "end of Tyvok once the locker ended" eval '! running "$pid"' && pid=""
fi
finish
