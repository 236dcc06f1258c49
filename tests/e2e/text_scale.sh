#!/usr/bin/env bash
# The text scale in both X hosts from Xft.dpi (loaded with xrdb, as desktops do) and --text-scale,
# which wins: the GLUT host's hint and the X-window host's readout twice as large at 192 as at 96.
source "$(dirname "$0")/../support/e2e.sh"
# Tall enough for a window 768 logical pixels high at scale 2, whose title passes below the hint.
privateDisplay 1024x1600

dpi() { if [ "$1" = none ]; then xrdb -remove; else echo "Xft.dpi: $1" | xrdb -nocpp -load; fi; }
# look ID X Y W H: that rectangle of window ID after 3 frames, then stops the program and closes
# the test's window; sets box, grey (brightBox) and right, the columns from the box to the
# rectangle's right edge.
look() {
    waitSwaps 3 && brightBox < <("$X_PROBE" pixels "$@")
    right=$(($4 - $(awk '{ print $1 + $3 }' <<<"$box")))
    stopTyvok && closeWindow
}
# hint DPI ARGS...: the GLUT host's start-up hint over the letterbox's black top bar.
hint() {
    dpi "$1" && startTyvok --window -geometry 600x1536+0+0 --letterbox 3 "${@:2}"
    findWindow && look "$window" 0 0 600 64
    echo "Xft.dpi $1 ${*:2}: the hint's lit box $box, $grey grey pixels, by $(programMs) ms"
    [ "$(programMs)" -lt 3000 ] || fail "the hint had gone before it was looked at"
}
# readout DPI ARGS...: the X-window host's readout over the top bar, in its window's right half.
readout() {
    dpi "$1" && openWindow 1024 768
    startTyvok --window-id "$testWindow" --fps --letterbox 3 --no-stars "${@:2}"
    look "$testWindow" 512 0 512 64
    echo "Xft.dpi $1 ${*:2}: the readout's lit box $box, $right from the right edge, $grey grey"
}

# At scale 1 the smoothing filter leaves grey at the glyphs' edges; at 2 they stay black and white.
hint 96 && at96=$box && [ "$grey" -gt 0 ] || fail "the hint at 96 dpi has no smoothed edges"
hint 192 && at192=$box && twice "$at96" "$box" && [ "$grey" -eq 0 ] ||
    fail "the hint at 192 dpi is not twice the one at 96, in black and white"
hint none --text-scale 2 && [ "$box" = "$at192" ] || fail "--text-scale 2: not as at 192 dpi"
hint 192 --text-scale 1 && [ "$box" = "$at96" ] || fail "--text-scale 1 at 192 dpi: not as at 96"

# The readout's width follows its number, which changes after the first second.
readout none && read -r _ top1 _ height1 <<<"$box" && right1=$right
readout none --text-scale 2 && read -r _ top2 _ height2 <<<"$box" && right2=$right
twice "$top1 $height1 $right1" "$top2 $height2 $right2" && [ "$grey" -eq 0 ] ||
    fail "--text-scale 2: the readout's top, height and margin not twice those at 1, or grey"
readout 192 && read -r _ top _ height <<<"$box"
[ "$top $height $right" = "$top2 $height2 $right2" ] || fail "192 dpi: not as at --text-scale 2"
finish
