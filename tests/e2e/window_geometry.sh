#!/usr/bin/env bash
# X's -geometry as people write it, on an X server without a window manager, where the window
# lands exactly where it asks: a size left out stays 512, offsets after '-' count from the right
# and bottom edges, and a position alone works every time. With GLUT's -sync and -gldebug the
# program draws too, and prints no OpenGL error.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay
# Each line: the window's size and place on the 1024 x 768 screen, then the options after
# --window.
while read -r expected options; do
    startTyvok --window $options
    findWindow && waitSwaps 3 && look "$window" || { stopTyvok; continue; }
    place=$(xwininfo -id "$window" | awk '/Absolute upper-left/ { p = p "+" $NF } END { print p }')
    echo "$options: ${width}x$height$place, $lit pixels lit, stderr: $(cat "$work/stderr")"
    [ "${width}x$height$place" = "$expected" ] && [ "$lit" -gt 0 ] && [ ! -s "$work/stderr" ] ||
        fail "$options: not $expected, drawn, with an empty stderr"
    stopTyvok
done <<CASES
512x512+10+10 -geometry +10+10
512x512+10+10 -geometry +10+10
512x512+10+10 -geometry +10+10
512x512+10+10 -geometry +10+10
512x512+10+10 -geometry +10+10
512x512+502+246 -geometry -10-10
300x512+20+30 -geometry 300+20+30
512x200+0+0 -geometry x200+0+0
300x200+724+568 -geometry 300x200-0-0 -sync -gldebug
CASES
finish
