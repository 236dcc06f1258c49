#!/usr/bin/env bash
# The Wayland tests' compositor and their means of driving and reading it, against sway and an
# ordinary client (weston-terminal): sway runs as nobody, without Xwayland; a screenshot reads
# back as the output shows it; the virtual pointer's absolute and relative moves put the cursor
# where they say, carry the focus from window to window, and its click focuses one; typed keys
# reach the focused window; sway's tree gives a window's app id, title, place and full screen;
# the swap counter logs an EGL client's swaps with their size.
source "$(dirname "$0")/../support/e2e.sh"
waylandCompositor

# 1. sway's own process, nobody's; what it starts gets no X display, as it would with Xwayland.
read -r user command < <(ps -o user=,comm= -p "$(cat "$work/sway/pid")")
swaymsg -q exec 'echo "${DISPLAY-none}" >"$XDG_RUNTIME_DIR/display"'
waitFor "a command run by sway" test -s "$XDG_RUNTIME_DIR/display"
echo "sway: $command run by $user; X display of its clients: $(cat "$XDG_RUNTIME_DIR/display")"
[ "$user $command $(cat "$XDG_RUNTIME_DIR/display")" = "nobody sway none" ] ||
    fail "not sway as nobody without an X display"

# 2. The output in red, read back through grim: red but for the cursor, which the software
#    renderer draws into every screenshot.
swaymsg -q output HEADLESS-1 background '#ff0000' solid_color
red() {
    look HEADLESS-1 && red=$(tr ' ' '\n' <"$work/look" | paste -d ' ' - - - | grep -cx '255 0 0')
}
waitFor "red output" eval 'red && [ "$red" -gt $((width * height * 99 / 100)) ]'
echo "HEADLESS-1: $width x $height, $red pixels red"
[ "$width x $height" = "1024 x 768" ] || fail "the output is $width x $height"

# 3. The cursor's image, where it stands out from the red: its top left corner as far from the
#    point of each move as from the others, up to 8 pixels above and left of it (as its hot spot
#    lies in it), after two absolute moves and ten relative ones.
corner() {
    screenshot HEADLESS-1 "$work/cursor.png" -c && "$PNG_PIXELS" "$work/cursor.png" | awk '{
        for (i = 1; i <= NF; i += 3) if ($i != 255 || $(i + 1) || $(i + 2)) {
            x = (i - 1) / 3; if (!n++ || x < left) left = x; if (n == 1) top = NR - 1 } }
        END { print left + 0, top + 0 }'
}
pointer to 300 200 && read -r x1 y1 < <(corner)
pointer to 500 400 && read -r x2 y2 < <(corner)
pointer move 10 -10 5 20 && read -r x3 y3 < <(corner)
offset="$((x1 - 300)),$((y1 - 200))"
offsets="$offset $((x2 - 500)),$((y2 - 400)) $((x3 - 400)),$((y3 - 450))"
echo "cursor to (300, 200), (500, 400), then 10 moves by (-10, 5): its corner off by $offsets"
[ "$offsets" = "$offset $offset $offset" ] && ((x1 <= 300 && x1 >= 292 && y1 <= 200 &&
    y1 >= 192)) || fail "the cursor is not where the pointer put it"

# 4. Two terminals side by side. Relative moves carry the pointer, and with it the focus, from the
#    right one to the left one; with focus following the click alone, an absolute move back to
#    the right one leaves the focus, the click moves it. The focused one takes typed keys.
weston-terminal >/dev/null 2>&1 &
left=$!
swayWindow $left
weston-terminal >/dev/null 2>&1 &
right=$!
extraCleanup='kill $left $right'
swayWindow $right
echo "$appId \"$title\": $size at $area, focused: $focused, full screen: $fullScreen"
[ "$appId $title $focused $fullScreen" = "org.freedesktop.weston.wayland-terminal Wayland Terminal \
true 0" ] && [ "${area%%,*}" -ge 512 ] || fail "not a focused terminal in the right half"
focus() { swayWindow $left && echo -n "$focused " && swayWindow $right && echo "$focused"; }
pointer to 700 300 move 60 -10 0 10 && foci=$(focus)
swaymsg -q focus_follows_mouse no
pointer to 700 300 && foci="$foci, $(focus)" && pointer click left && foci="$foci, $(focus)"
echo "focus (left, right) after the relative moves, the absolute move and the click: $foci"
[ "$foci" = "true false, true false, false true" ] || fail "the pointer did not move the focus"
keys "touch $work/typed" -k Return
waitFor "file made by the typed command" test -e "$work/typed"

# 5. An EGL client's window, tiled, floating at 300 x 200, then full screen: green all over in
#    the area that sway's tree gives, whose size the swap counter logs for its swaps; the camera
#    log logs a camera at each.
kill $left $right
SWAP_LOG=$swapLog CAMERA_LOG=$cameraLog LD_PRELOAD="$SWAP_COUNTER $CAMERA_LOGGER" \
    "$EGL_WINDOW" 200 100 &
egl=$!
extraCleanup='kill $egl'
for command in "" "floating enable, resize set 300 200" "fullscreen enable"; do
    [ -z "$command" ] || swaymsg -q "[pid=$egl] $command"
    # Read again once the client has drawn at its new size, where sway may place it anew.
    swayWindow $egl && waitFor "swaps of $size" eval '[ "$(swapSize)" = "$size" ]' && swayWindow $egl
    look "$area" && green=$(tr ' ' '\n' <"$work/look" | paste -d ' ' - - - | grep -cx '0 255 0')
    echo "${command:-tiled}: $appId, $size at $area, full screen: $fullScreen, $green pixels green"
    [ "$green" -gt $((width * height * 99 / 100)) ] || fail "${command:-tiled}: not green"
    states="${states:-}$fullScreen $size, "
done
[[ $states == "0 "*", 0 300x200, 1 1024x768, " ]] || fail "not floating, then full screen"
# Its camera, as the camera log reads it from a view transform left alone, at every swap.
kill $egl && wait $egl; extraCleanup=:
unmoved=$(grep -cE '^(-?0\.000000 ){3}-1\.500000$' "$cameraLog")
echo "$(swaps) swaps, $unmoved cameras at the default distance" && [ "$unmoved" -eq "$(swaps)" ] ||
    fail "not one camera for each swap"
finish
