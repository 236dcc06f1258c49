#!/usr/bin/env bash
# The installed package's theme entry as MATE's saver reads it: chosen in the saver's settings
# (gsettings, in a session bus of the test's own, with XDG_CURRENT_DESKTOP unset), Tyvok draws
# a moving picture in the saver's full-screen window, with no window of its own, once the saver
# is activated, and is gone once it is deactivated. The saver hands its hacks only a few
# variables of its environment, so the swap counter cannot follow: the screen is looked at
# until it shows that picture.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
unprivileged
# HOME is set before the bus starts: dconf's service, which keeps the settings, takes the bus's.
"${asUser[@]}" env -u XDG_CURRENT_DESKTOP NO_AT_BRIDGE=1 dbus-run-session -- sh -c '
    echo "$DBUS_SESSION_BUS_ADDRESS" >bus && gsettings set org.mate.screensaver mode single &&
    gsettings set org.mate.screensaver themes "[\"screensavers-tyvok\"]" &&
    gsettings set org.mate.screensaver lock-enabled false && echo $$ >saver &&
    exec mate-screensaver --no-daemon' >"$work/saver.log" 2>&1 &
session=$!
extraCleanup='kill $(cat "$home/saver"); wait $session'
saver() {
    "${asUser[@]}" env DBUS_SESSION_BUS_ADDRESS="$(cat "$home/bus")" mate-screensaver-command "$@"
}
waitFor "answer from the saver" eval '[ -s "$home/bus" ] && saver --query &>/dev/null' || finish

saver --activate >/dev/null
if waitFor "Tyvok started by the saver" eval 'pid=$(pgrep -x -P "$(cat "$home/saver")" tyvok)'; then
    look root
    waitFor "Tyvok's moving picture on the screen" eval 'look root && movesInEveryQuadrant 1024 768'
    lookCounts " since the look before"
    noWindowOfItsOwn
    saver --deactivate >/dev/null
    waitFor "end of Tyvok after --deactivate" eval '! running "$pid"'
fi
pid=""
[ "$failures" -eq 0 ] || tail -n 30 "$work/saver.log"
finish
