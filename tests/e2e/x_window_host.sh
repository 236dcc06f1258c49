#!/usr/bin/env bash
# The X-window host: in a window that the test makes, on XScreenSaver's settings dialog's command
# line; with the look from the command line; in a child window of its own; in the root window;
# and given a window that does not exist.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay

# 1. The settings dialog's command line: paces its frames; draws in the window, past the fade-in,
#    and opens none of its own; follows a resize; sleeps while unmapped; ends with 0 when the
#    window is destroyed.
openWindow 320 240
startTyvok --root --window-id "$testWindow"
if checkPacing "X-window host"; then
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
[ "$status" -eq 0 ] && grep -q destroyed "$work/window" || fail "status $status once destroyed"
defaultLit=${lit:-0}

# 2. The look from the command line: the gears as points with no stars light a small part of what
#    the default look lit in the same window size, past the fade-in. No help hint (the GLUT host's
#    test sees it), looked for over the letterbox's top bar, where no gear or star passes.
openWindow 640 480
startTyvok --window-id "$testWindow" --polygon-mode points --no-stars --letterbox 3
hintLooks
[ "$hintGlyphs" -lt 15 ] || fail "help hint shown"
waitMs 4000 && look "$testWindow"
echo "points, no stars: $lit pixels lit, $defaultLit with the default look"
[ "$lit" -gt 0 ] && [ $((lit * 5)) -lt "$defaultLit" ] || fail "points, no stars: $lit lit"
stopTyvok
closeWindow

# 3. A window of a visual without a double-buffered configuration with depth: the picture moves in
#    a child window that fills it; SIGINT ends the program.
openWindow 320 240 single
startTyvok --window-id "$testWindow"
findWindow && [ "$window" != "$testWindow" ] || fail "drew in ${window:-no window}, not a child"
waitMs 3000 && drawsInEveryQuadrant "$window" 320 240
stopBy INT
closeWindow

# 4. --root with XSCREENSAVER_WINDOW unset: a moving picture in the root window; SIGTERM ends it.
unset XSCREENSAVER_WINDOW
startTyvok --root
findWindow && waitMs 3000 && drawsInEveryQuadrant root 1024 768
rootWindow=$(xwininfo -root | awk '/Window id:/ { print $4 }')
[ "$window" = "$rootWindow" ] || fail "--root drew in $window, not in the root window $rootWindow"
stopBy TERM

# 5. A window that does not exist: one line on stderr, status 1.
startTyvok --window-id 0x3ffffff0
waitExit
echo "missing window: status $status, stderr: $(cat "$work/stderr")"
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/stderr")" -eq 1 ] || fail "missing window: not 1 line, 1"
finish
