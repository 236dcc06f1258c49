#!/usr/bin/env bash
# The Wayland host's picture on sway, for one state and clock (the stepped clock, stopped at
# 2 s): the GLUT host's on X, which the program falls back to where WAYLAND_DISPLAY names no
# compositor; the same at output scale 2, drawn at the output's resolution with the text twice as
# large, unlike a frame drawn at the logical size and magnified. Then weston's headless backend,
# which has no seat and no layer shell: the window there in the frame that libdecor draws, and
# --layer refused.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
xDisplay=$DISPLAY
waylandCompositor
# The start-up hint's message line over the letterbox's top bar, where no gear or star passes;
# its white glyphs stand out from the grey title's, which may pass there.
stop=2000 options=(--letterbox 3)
# stopped: waits for the frames that reach the stopped clock, and a few more.
stopped() { waitSwaps $((stop / 16 + 3)); }
# shot NAME [AREA]: the pixels of the output (or of the area, in logical pixels) in $work/NAME.
shot() { screenshot "${2:-HEADLESS-1}" "$work/$1.png" && "$PNG_PIXELS" "$work/$1.png" >"$work/$1"; }
# atScale S [MODE]: the output at scale S (and mode MODE); waits for the window's swaps at the
# output's mode, and for a frame shown there.
atScale() {
    local buffer=${2:-1024x768}
    swaymsg -q output HEADLESS-1 scale "$1" ${2:+mode "$2"} && waitFor "swaps at scale $1" eval \
        'swayWindow $pid && [ "$(swapSize)" = "$buffer" ]' && waitSwaps $(($(swaps) + 3))
}
# matches A B WHAT: pictures A and B (in $work) match within the reference tolerance.
matches() { local verdict status; verdict=$("$COMPARE_PICTURES" "$work/$1" "$work/$2")
    status=$? && echo "$3: $verdict" && return $status; }

# 1. Full screen at scale 1, then at scale 2: a buffer of twice the window's logical size, the
#    hint's glyphs twice as tall and as wide in the output's pixels; then the frame that a host
#    unaware of the scale would draw, at the logical size, magnified twice: not the same.
stopMs=$stop startTyvok "${options[@]}" && swayWindow $pid && stopped
shot one && shot hint1 "0,0 300x35" && brightBox 600 <"$work/hint1" && hint1=$box
atScale 2 && shot two && shot hint2 "0,0 300x35" && brightBox 600 <"$work/hint2"
echo "scale 2: the window $size, its buffer $(swapSize); the hint's lit box $box, at 1 $hint1"
[ "$size $(swapSize)" = "512x384 1024x768" ] || fail "at scale 2: not a buffer twice the size"
twice "$hint1" "$box" || fail "at scale 2: the hint's glyphs not twice as large"
atScale 1 && atScale 1 512x384 && shot half
awk '{ $0 = $0 " "; gsub(/[0-9]+ [0-9]+ [0-9]+ /, "& &"); print; print }' "$work/half" \
    >"$work/magnified"
matches two magnified "scale 2 against the logical size magnified"
[ $? -eq 1 ] || fail "scale 2: the picture of the logical size, magnified"
atScale 1 1024x768
stopTyvok

# 2. With the text at the same scale, at scale 1 and 2 alike: the same picture.
stopMs=$stop startTyvok "${options[@]}" --text-scale 2 && swayWindow $pid && stopped
shot oneText2 && atScale 2 && shot twoText2 && atScale 1
stopTyvok
matches oneText2 twoText2 "--text-scale 2 at scale 1 and 2" || fail "scale 2: not the picture"

# 3. With WAYLAND_DISPLAY naming no compositor, the GLUT host's window on X, full screen under
#    openbox: the same picture as on sway.
DISPLAY=$xDisplay WAYLAND_DISPLAY=nowhere stopMs=$stop startTyvok "${options[@]}"
findWindow && stopped
DISPLAY=$xDisplay xprop -id "$window" WM_CLASS | grep -q '"tyvok", "Tyvok"' ||
    fail "no window of Tyvok's on X for WAYLAND_DISPLAY=nowhere"
DISPLAY=$xDisplay "$X_PROBE" pixels root >"$work/glut"
stopTyvok
matches one glut "the Wayland host on sway against the GLUT host on X" || fail "not GLUT's picture"

# 4. weston's headless backend, as root in a runtime folder of its own, on a blue background, with
#    its screenshots (--debug): the window of 512 x 512 moves, in libdecor's frame, which reaches
#    beyond it on every side and holds the title bar above it; --layer: status 1 and one line.
mkdir -m 700 "$work/weston" &&
    printf '[shell]\nbackground-color=0xff0000ff\npanel-position=none' >"$work/ini"
XDG_RUNTIME_DIR=$work/weston weston --backend=headless-backend.so --use-pixman --debug \
    --width=1024 --height=768 --socket=weston --config="$work/ini" >"$work/weston.log" 2>&1 &
extraCleanup="kill $!"
westonShot() {
    (cd "$work/weston" && rm -f ./*.png && weston-screenshooter && "$PNG_PIXELS" ./*.png) \
        >"$work/$1"
}
export WAYLAND_DISPLAY=weston XDG_RUNTIME_DIR=$work/weston
waitFor "weston" test -S "$work/weston/weston" && startTyvok --window && waitSwaps 10 &&
    westonShot a
waitSwaps $(($(swaps) + 10)) && westonShot b
# The box of the pixels that moved, and that of those not weston's blue, which the frame covers.
verdict=$(awk 'function box(b, x, y) { if (!(b in l) || x < l[b]) l[b] = x
        if (x > r[b]) r[b] = x; if (!(b in t)) t[b] = y; d[b] = y }
    FNR == NR { was[FNR] = $0; next } { split(was[FNR], a); for (i = 1; i <= NF; i += 3) {
        if (($i - a[i]) ^ 2 + ($(i + 1) - a[i + 1]) ^ 2 > 900) box("m", i / 3, FNR)
        if ($i || $(i + 1) || $(i + 2) != 255) box("f", i / 3, FNR) } }
    END { w = r["m"] - l["m"] + 1; h = d["m"] - t["m"] + 1
        printf "the picture moves in %dx%d at %d,%d, the blue is covered from %d,%d to %d,%d", w, h,
            l["m"], t["m"], l["f"], t["f"], r["f"], d["f"]
        if (w < 480 || w > 512 || h < 480 || h > 512 || l["f"] >= l["m"] || t["f"] > t["m"] - 24 ||
            r["f"] <= r["m"] || d["f"] <= d["m"]) print " FAIL" }' "$work/a" "$work/b")
echo "on weston, $(swaps) frames of $(swapSize): $verdict"
[[ $verdict != *FAIL* ]] || fail "weston: no moving picture of 512 x 512 in a frame"
stopTyvok && startTyvok --layer background && waitExit
echo "on weston, --layer background: status $status, '$(cat "$work/stderr")'"
[ "$status:$(cat "$work/stderr")" = "1:tyvok: --layer needs the compositor's layer shell \
(zwlr_layer_shell_v1), which it does not offer" ] || fail "--layer on weston"
finish
