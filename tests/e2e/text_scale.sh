#!/usr/bin/env bash
# The text scale in both X hosts, from the desktop's Xft.dpi (loaded with xrdb, as desktops load
# it) and from --text-scale, which wins: the GLUT host's start-up hint and the X-window host's
# frame-rate readout drawn twice as large at 192 dpi as at 96, and the same at --text-scale 2.
source "$(dirname "$0")/../support/e2e.sh"
# Tall enough for a window whose logical height at scale 2 is 768, where the title stays below
# the message line.
privateDisplay 1024x1600

# desktopDpi DPI: the display's Xft.dpi resource, or none.
desktopDpi() { if [ "$1" = none ]; then xrdb -remove; else echo "Xft.dpi: $1" | xrdb -nocpp -load; fi; }

# litBox ID X Y W H: the bright pixels of that rectangle of window ID; sets box to "left top
# width height" from the rectangle's corner ("0 0 0 0" when none is lit) and right to the
# columns left of the rectangle's right edge.
litBox() {
    box=$("$X_PROBE" pixels "$@" | awk '{
            for (i = 1; i <= NF; i += 3) if ($i + $(i + 1) + $(i + 2) >= 300) {
                x = (i - 1) / 3; left = n++ && left < x ? left : x; right = right > x ? right : x
                top = top ? top : FNR; bottom = FNR
            } } END { print n ? left " " top - 1 " " right - left + 1 " " bottom - top + 1 : "0 0 0 0" }')
    right=$(($4 - $(awk '{ print $1 + $3 }' <<<"$box")))
}

# hint DPI ARGS...: the GLUT host in a window of 600 x 1536, with Xft.dpi at DPI and ARGS; the
# lit box of the start-up hint over the letterbox's black top bar (its top 64 rows), while the
# hint lasts.
hint() {
    desktopDpi "$1"
    startTyvok --window -geometry 600x1536+0+0 --letterbox 3 "${@:2}"
    findWindow && litBox "$window" 0 0 600 64
    echo "Xft.dpi $1 ${*:2}: the hint's lit box $box, looked at by $(programMs) ms"
    [ "$(programMs)" -lt 3000 ] || fail "the hint had gone when it was looked at"
    stopTyvok
}

# readout DPI ARGS...: the X-window host with the frame-rate readout in a 1024 x 768 window of the
# test; the lit box of the readout over the top bar in the window's right half, and its distance
# from the right edge.
readout() {
    desktopDpi "$1"
    openWindow 1024 768
    startTyvok --window-id "$testWindow" --fps --letterbox 3 --no-stars "${@:2}"
    findWindow && litBox "$testWindow" 512 0 512 64
    echo "Xft.dpi $1 ${*:2}: the readout's lit box $box, $right columns from the right edge"
    stopTyvok
    closeWindow
}

# twice ONE TWO: each of the numbers in TWO is twice its own in ONE, give or take 3 pixels: at
# scale 1 the smoothing filter dims the edge rows and columns of some glyphs below "lit".
twice() {
    awk -v one="$1" -v two="$2" 'BEGIN { n = split(one, a); split(two, b)
        for (i = 1; i <= n; ++i) if (a[i] <= 0 || (b[i] - 2 * a[i]) ^ 2 > 9) exit 1 }'
}

# 1. The GLUT host: the hint at 96 dpi and without the resource is the same; at 192 dpi, and at
#    --text-scale 2 without the resource, twice as large in every direction and twice as far from
#    the top left; --text-scale 1 at 192 dpi as at 96.
hint 96 && at96=$box
hint none && [ "$box" = "$at96" ] || fail "the hint without Xft.dpi is not the one at 96 dpi"
hint 192 && at192=$box
twice "$at96" "$at192" || fail "the hint at 192 dpi ($at192) is not twice the one at 96 ($at96)"
hint none --text-scale 2 && [ "$box" = "$at192" ] || fail "--text-scale 2: not as at 192 dpi"
hint 192 --text-scale 1 && [ "$box" = "$at96" ] || fail "--text-scale 1 at 192 dpi: not as at 96"

# 2. The X-window host: the readout at --text-scale 2 twice as tall, from twice as low, and twice
#    as far from the right edge as at 1; at 192 dpi as at --text-scale 2. Its width follows the
#    number it shows, which changes after the first second.
readout none && read -r _ top1 _ height1 <<<"$box" && right1=$right
readout none --text-scale 2 && read -r _ top2 _ height2 <<<"$box" && right2=$right
twice "$top1 $height1 $right1" "$top2 $height2 $right2" ||
    fail "--text-scale 2: the readout's top, height and margin not twice those at scale 1"
readout 192 && read -r _ top _ height <<<"$box"
[ "$top $height $right" = "$top2 $height2 $right2" ] || fail "192 dpi: not as at --text-scale 2"
finish
