#!/usr/bin/env bash
# The installed theme entry as MATE's saver reads it, chosen by gsettings, XDG_CURRENT_DESKTOP
# unset: activated, Tyvok's moving picture fills the screen; deactivated, Tyvok is gone. The
# saver hands hacks no LD_PRELOAD, so the screen is looked at.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
unprivileged
# HOME is set before the bus starts: dconf's service, which keeps the settings, takes the bus's.
"${asUser[@]}" env -u XDG_CURRENT_DESKTOP NO_AT_BRIDGE=1 dbus-run-session -- sh -c '
    echo "$DBUS_SESSION_BUS_ADDRESS" >bus && echo $$ >saver &&
    for setting in "mode single" "themes [\"screensavers-tyvok\"]" "lock-enabled false"; do
        gsettings set org.mate.screensaver $setting || exit; done &&
    exec mate-screensaver --no-daemon' >"$work/saver.log" 2>&1 &
bus=$!
extraCleanup='kill $(cat "$home/saver"); wait $bus'
saver() { "${asUser[@]}" env DBUS_SESSION_BUS_ADDRESS="$(cat bus)" mate-screensaver-command "$@"; }
cd "$home" && waitFor "answer from the saver" eval '[ -s bus ] && saver --query &>/dev/null' || finish

saver --activate >/dev/null
if waitFor "Tyvok started" eval 'pid=$(pgrep -x -P "$(cat saver)" tyvok)' && look root; then
    waitFor "Tyvok's moving picture on the screen" eval 'look root && movesInEveryQuadrant 1024 768'
    echo "$width x $height: $lit lit ($quadrants by quadrant), $changed changed since the last"
    saver --deactivate >/dev/null
    waitFor "end of Tyvok after --deactivate" eval '! running "$pid"' && pid=""
fi
finish
