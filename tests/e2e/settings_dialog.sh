#!/usr/bin/env bash
# XScreenSaver's settings dialog in a decimal-comma locale (de_DE.UTF-8), driven as a user drives
# it: Tyvok's settings opened from the installed panel, each control moved once by its keys (a
# select one option down, a check box toggled, a slider to its end), saved. The programs line the
# dialog writes holds an option for each control, and the program accepts every one of them.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
unprivileged
panel=/usr/share/xscreensaver/config/tyvok.xml
printf '%s\n' "mode: one" "selected: 0" "lock: False" "splash: False" "timeout: 1:00:00" \
    "programs: tyvok --root \\n" >"$home/.xscreensaver"
chown "$user" "$home/.xscreensaver"
# The daemon answers the dialog, which would otherwise open with a warning that it is not running.
"${asUser[@]}" xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
daemon=$!
"${asUser[@]}" env LANG=de_DE.UTF-8 NO_AT_BRIDGE=1 dbus-run-session -- xscreensaver-settings \
    >"$work/dialog.log" 2>&1 &
dialog=$!
extraCleanup='kill $daemon $(pgrep -P $dialog -x xscreensaver-se); wait $daemon $dialog'
# The main window and Tyvok's settings both bear the name "XScreenSaver: Tyvok Settings".
shown() { [ "$(xdotool search --onlyvisible --name 'Tyvok Settings' | wc -l)" -eq "$1" ]; }
waitFor "the dialog with Tyvok chosen" shown 1 || finish
xdotool key alt+s # Settings...
waitFor "Tyvok's settings" shown 2 || finish
# The controls in the panel's order, each followed by Tab; past the last, four more reach Save
# (over the description, Documentation, Reset to Defaults and Cancel).
keys=$(grep -oE '<(select|boolean|number) ' "$panel" |
    sed 's/<select /Down/; s/<boolean /space/; s/<number /End/; s/$/ Tab/')
xdotool key --delay 100 $keys Tab Tab Tab Tab Return
saved() {
    line=$(sed -n '/^programs:/,/\\n\\$/p' "$home/.xscreensaver" | tr -d '\\\t\n' |
        sed 's/^programs: *//; s/ *n$//; s/  */ /g')
    [[ $line == "tyvok --root -"* ]]
}
waitFor "the programs line saved" saved || finish
echo "the dialog wrote: $line"
names() { grep -oE -- '--[a-z-]+' | sort -u | tr '\n' ' '; }
[ "$(names <<<"$line")" = "$(names <"$panel")" ] ||
    fail "the line holds options '$(names <<<"$line")', the panel '$(names <"$panel")'"
env -u DISPLAY $line >/dev/null 2>"$work/err"
[ "$?:$(cat "$work/err")" = "1:tyvok: cannot open display ''" ] ||
    fail "the program refused the line: $(cat "$work/err")"
finish
