#!/usr/bin/env bash
# The X-window host in a window that the test makes (`--window-id`): it paces its frames at
# --max-fps 30, draws a moving picture there, follows the window's new size, ends with status 0
# when the window is destroyed and with the signal as cause on SIGTERM; a window that does not
# exist gives one line and status 1.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
# look: the window's pixels against the last look: "width height lit changed lit0..lit3".
look() {
    read -r width height lit changed quadrants \
        <<<"$("$X_PROBE" pixels "$testWindow" "$work/pixels")"
}
# drawsInEveryQuadrant W H: the picture fills the window of that size, and moves.
drawsInEveryQuadrant() {
    local frames
    frames=$(swaps)
    look
    waitSwaps $((frames + 10)) || return
    look
    echo "$width x $height: $lit pixels lit ($quadrants by quadrant), $changed changed in 10 frames"
    [ "$width x $height" = "$1 x $2" ] || fail "window is $width x $height, not $1 x $2"
    [ "$changed" -gt 0 ] || fail "$1 x $2: the picture did not change in 10 frames"
    for count in $quadrants; do
        [ "$count" -gt 0 ] || fail "$1 x $2: a quadrant of the window is black: $quadrants"
    done
}

# 1. Paces its frames; draws in the window, past the fade-in; follows a resize; ends with 0 when
#    the window is destroyed.
openWindow 320 240
startTyvok --window-id "$testWindow" --max-fps 30
if checkPacing "X-window host" 4; then
    drawsInEveryQuadrant 320 240
    xdotool windowsize "$testWindow" 640 480
    waitSwaps $(($(swaps) + 5)) && drawsInEveryQuadrant 640 480
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
    look
    echo "points, no stars: $lit pixels lit, $defaultLit with the default look"
    [ "$lit" -gt 0 ] && [ $((lit * 5)) -lt "$defaultLit" ] || fail "points, no stars: $lit lit"
fi
stopTyvok
closeWindow

# 2. A window that does not exist: one line on stderr, status 1.
startTyvok --window-id 0x3ffffff0
waitExit
lines=$(wc -l <"$work/stderr")
echo "missing window: status $status, stderr: $(cat "$work/stderr")"
[ "$status" -eq 1 ] || fail "exit status $status for a missing window, not 1"
[ "$lines" -eq 1 ] || fail "$lines lines on stderr for a missing window, not 1"

# 3. SIGTERM while drawing ends the program with SIGTERM as its cause (128 + 15).
openWindow 320 240
startTyvok --window-id "$testWindow"
if waitSwaps 1; then
    kill -TERM "$pid"
    waitExit
    [ "$status" -eq 143 ] || fail "exit status $status after SIGTERM, not 143"
fi
finish
