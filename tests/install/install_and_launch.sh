#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves that prefix elsewhere and starts the program
# through XScreenSaver's link to the launcher from an unrelated folder: the font sheet is found
# (glyphs, not solid boxes, in the start-up message) and Escape ends the program with 0. Without
# its images' folder the program still reads its command line. What the installed files hold is
# the package test's.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
installBuild "$work/prefix"
# Everything is found relative to the launcher, so a moved prefix must work as well.
mv "$work/prefix" "$work/moved"
prefix=$work/moved

# A small window (quick to draw) under the pointer, which starts at the screen's centre and so
# gives it the keys; the letterbox's top bar lies behind the message line.
folder=/ TYVOK=$prefix/libexec/xscreensaver/tyvok startTyvok --window -geometry 320x240+352+264 \
    --letterbox 3
hintLooks
[ "$hintGlyphs" -ge 15 ] || fail "no font glyphs in the start-up message"
xdotool key Escape
waitExit
[ "$status" -eq 0 ] || fail "exit status $status after Escape: $(cat "$work/stderr")"

# Without the images' folder the launcher still leaves the command line to the program: help,
# version and usage errors with their own status; in a window, one line for each missing image.
mv "$prefix/share/tyvok" "$work/images"
for option in --help --version --foo; do
    "$prefix/bin/tyvok" $option >"$work/out" 2>"$work/err"
    echo "$option: status $?, $(wc -l <"$work/out") out, $(wc -l <"$work/err") err"
done >"$work/runs"
openWindow 64 64
TYVOK=$prefix/bin/tyvok startTyvok --window-id "$testWindow"
waitFor "the missing images' lines" eval '[ "$(wc -l <"$work/stderr")" -ge 6 ]'
closeWindow
waitExit
{ echo "--window-id: status $status"; sort "$work/stderr"; } >>"$work/runs"
diff - "$work/runs" <<RUNS || fail "without the images' folder"
--help: status 0, $("$TYVOK" --help | wc -l) out, 0 err
--version: status 0, 1 out, 0 err
--foo: status 2, 0 out, 1 err
--window-id: status 0
$(cd "$work/images" && ls *.bmp | sed "s|.*|tyvok: $prefix/share/tyvok/&: No such file or directory|" | sort)
RUNS
finish
