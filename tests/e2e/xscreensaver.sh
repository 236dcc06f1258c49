#!/usr/bin/env bash
# XScreenSaver with the installed package, as the unprivileged user: the settings dialog in a
# decimal-comma locale, driven by keys, writes an option for each control it was made to move;
# the daemon runs that line, Tyvok's moving picture in its window, none of Tyvok's; then no Tyvok.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
unprivileged
panel=/usr/share/xscreensaver/config/tyvok.xml
printf '%s\n' "mode: one" "selected: 0" "lock: False" "fade: False" "unfade: False" "splash: False" \
    "timeout: 1:00:00" "programs: tyvok --root \\n" | "${asUser[@]}" tee .xscreensaver >/dev/null
# Hacks take the daemon's environment; with the daemon up the dialog opens without a warning.
"${asUser[@]}" env SWAP_LOG="$swapLog" LD_PRELOAD="$work/swaps.so" xscreensaver -no-splash \
    >"$work/daemon.log" 2>&1 &
daemon=$!
"${asUser[@]}" env LANG=de_DE.UTF-8 NO_AT_BRIDGE=1 dbus-run-session -- xscreensaver-settings \
    >"$work/dialog.log" 2>&1 &
dialog=$!
extraCleanup='kill $daemon $(pgrep -P $dialog -x xscreensaver-se) 2>/dev/null; wait $daemon $dialog'
# The main window and Tyvok's settings both bear this name.
shown() { [ "$(xdotool search --onlyvisible --name 'Tyvok Settings' | wc -l)" -eq "$1" ]; }
waitFor "the dialog" shown 1 && xdotool key alt+s && waitFor "Tyvok's settings" shown 2 || finish
# Each control in the panel's order, then Tab; past the last, four more Tabs reach Save (over the
# description, Documentation, Reset to Defaults and Cancel).
xdotool key --delay 100 $(grep -oE '<(select|boolean|number) ' "$panel" |
    sed 's/<select /Down/; s/<boolean /space/; s/<number /End/; s/$/ Tab/') Tab Tab Tab Tab Return
saved() { line=$(sed -n '/^programs:/,/\\n\\$/p' "$home/.xscreensaver" | tr -d '\\\t\n' |
    sed 's/^programs: *//; s/ *n$//; s/  */ /g') && [[ $line == "tyvok --root -"* ]]; }
waitFor "the programs line saved" saved || finish
echo "the dialog wrote: $line"
names() { grep -oE -- '--[a-z-]+' | sort -u | tr '\n' ' '; }
[ "$(names <<<"$line")" = "$(names <"$panel")" ] ||
    fail "options '$(names <<<"$line")' in the line, '$(names <"$panel")' in the panel"

kill "$(pgrep -P $dialog -x xscreensaver-se)" && wait $dialog # its windows bear Tyvok's name
xscreensaver-command -activate >/dev/null
if waitFor "Tyvok started by the daemon" eval 'pid=$(hackPid)' && findWindow && waitMs 3000; then
    drawsInEveryQuadrant root 1024 768
    noWindowOfItsOwn
    xscreensaver-command -deactivate >/dev/null
    waitFor "end of Tyvok after -deactivate" eval '! running "$pid"' && pid=""
fi
finish
