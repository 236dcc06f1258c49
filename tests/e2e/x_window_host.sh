#!/usr/bin/env bash
# The X-window host in a window that the test makes, on XScreenSaver's settings dialog's command
# line (`--root --window-id`): it shows no help hint, paces its frames at its default 30, draws a
# moving picture there and opens no window of its own, follows the window's new size, sleeps
# while the window is unmapped and draws again once mapped, and ends with status 0 when the window
# is destroyed; it draws in a child window of its own in a window of a visual without a
# double-buffered configuration with depth, and into the root window with `--root` when
# XSCREENSAVER_WINDOW is unset; SIGINT and SIGTERM end it by that signal; a window that does not
# exist gives one line and status 1.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
# look ID: the window's pixels against the last look: "width height lit changed lit0..lit3".
look() { read -r width height lit changed quadrants <<<"$("$X_PROBE" pixels "$1" "$work/pixels")"; }
# pastFadeIn: 3 s on the program's clock, where the fade-in has ended.
pastFadeIn() { within=60 waitFor "3 s on the program's clock" eval '[ "$(programMs 4)" -ge 3000 ]'; }
# drawsInEveryQuadrant ID W H: the picture fills the window of that size, and moves.
drawsInEveryQuadrant() {
    look "$1"
    waitSwaps $(($(swaps) + 10)) || return
    look "$1"
    echo "$width x $height: $lit pixels lit ($quadrants by quadrant), $changed changed in 10 frames"
    [ "$width x $height" = "$2 x $3" ] || fail "window is $width x $height, not $2 x $3"
    [ "$changed" -gt 0 ] || fail "$2 x $3: the picture did not change in 10 frames"
    for count in $quadrants; do
        [ "$count" -gt 0 ] || fail "$2 x $3: a quadrant of the window is black: $quadrants"
    done
}

# 1. The settings dialog's command line. No help hint in the start-up message's place (the GLUT
#    host's test sees five glyphs there); paces its frames; draws in the window, past the fade-in,
#    and opens none of its own; follows a resize; sleeps while unmapped; ends with 0 when the
#    window is destroyed.
openWindow 320 240
startTyvok --root --window-id "$testWindow"
boxes="" shownMs=3000
waitSwaps 1 && boxes=$(glyphs "$testWindow") && shownMs=$(programMs 4)
echo "message line at $shownMs ms: $boxes"
# A star or a gear's edge may make one box or two look like a glyph; the hint makes all five.
glyphCount=${boxes//-/}
[ "$shownMs" -lt 3000 ] && [ ${#glyphCount} -le 2 ] || fail "help hint shown: $boxes at $shownMs ms"
if checkPacing "X-window host" 4; then
    drawsInEveryQuadrant "$testWindow" 320 240
    [[ $(xwininfo -root -children) == *" 1 child:"* ]] || fail "a window besides the test's"
    xdotool windowsize "$testWindow" 640 480
    waitSwaps $(($(swaps) + 5)) && drawsInEveryQuadrant "$testWindow" 640 480
    xdotool windowunmap "$testWindow"
    sleepsWhileHidden unmapped
    xdotool windowmap "$testWindow"
    waitSwaps $(($(swaps) + 10)) && echo "mapped: drawing again"
fi
closeWindow
waitExit
[ "$status" -eq 0 ] || fail "exit status $status after the window was destroyed, not 0"
grep -q destroyed "$work/window" || fail "the test window was not destroyed"
defaultLit=${lit:-0}

# 1b. The look from the command line: the gears as points with no stars light a small part of
#     what the default look lit in the same window size, past the fade-in.
openWindow 640 480
startTyvok --window-id "$testWindow" --polygon-mode points --no-stars
if within=90 waitFor "4 s on the X-window host's clock" eval '[ "$(programMs 4)" -ge 4000 ]'; then
    look "$testWindow"
    echo "points, no stars: $lit pixels lit, $defaultLit with the default look"
    [ "$lit" -gt 0 ] && [ $((lit * 5)) -lt "$defaultLit" ] || fail "points, no stars: $lit lit"
fi
stopTyvok
closeWindow

# 2. A window of a visual without a double-buffered configuration with depth: the picture moves in
#    a child window that fills it; SIGINT ends the program.
openWindow 320 240 single
startTyvok --window-id "$testWindow"
if waitFor "Tyvok window" findWindow && [ "$window" != "$testWindow" ]; then
    pastFadeIn && drawsInEveryQuadrant "$window" 320 240
    stopBy INT
else
    fail "drew in ${window:-no window}, not in a child of $testWindow"
fi
closeWindow

# 3. --root with XSCREENSAVER_WINDOW unset: a moving picture in the root window; SIGTERM ends it.
unset XSCREENSAVER_WINDOW
startTyvok --root
waitSwaps 1 && findWindow && pastFadeIn && drawsInEveryQuadrant root 1024 768
root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
[ "$window" = "$root" ] || fail "--root drew in $window, not in the root window $root"
stopBy TERM

# 4. A window that does not exist: one line on stderr, status 1.
startTyvok --window-id 0x3ffffff0
waitExit
lines=$(wc -l <"$work/stderr")
echo "missing window: status $status, stderr: $(cat "$work/stderr")"
[ "$status" -eq 1 ] || fail "exit status $status for a missing window, not 1"
[ "$lines" -eq 1 ] || fail "$lines lines on stderr for a missing window, not 1"
finish
