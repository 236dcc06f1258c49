#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves that prefix elsewhere and starts the program
# through XScreenSaver's link to the launcher from an unrelated folder: the font sheet is found
# (glyphs, not solid boxes, in the start-up message) and Escape ends the program with 0. Without
# its images' folder the launcher refuses to start. What the installed files hold is the package
# test's.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
installBuild "$work/prefix"
# Everything is found relative to the launcher, so a moved prefix must work as well.
mv "$work/prefix" "$work/moved"
prefix=$work/moved

folder=/ TYVOK=$prefix/libexec/xscreensaver/tyvok startTyvok
waitFor "Tyvok window" findWindow
# The start-up message stays for three seconds and a gear may pass behind it; should the check
# miss, l shows another message at the same place, over the black letterbox bar.
boxes=""
glyphsShown() {
    sleep 0.5
    boxes=$(glyphs "$window")
    [ "$boxes" = ggggg ] || ! xdotool key l
}
waitFor "font glyphs in the message line" glyphsShown || echo "glyph boxes: $boxes"
xdotool key Escape
waitExit
[ "$status" -eq 0 ] || fail "exit status $status after Escape: $(cat "$work/stderr")"

mv "$prefix/share/tyvok" "$work/images"
"$prefix/bin/tyvok" >"$work/missing.log" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "launcher exit status $status without images"
grep -q "cannot find the images" "$work/missing.log" || fail "launcher gave no reason"
finish
