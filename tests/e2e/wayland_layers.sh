#!/usr/bin/env bash
# The Wayland host on sway's layers: the command line's usage errors, before any connection; the
# wallpaper under a terminal's window, whose clicks go to the desktop; the screen saver over it,
# which a key or a pointer's move of 50 pixels ends and one of 3 does not; one process on each
# of two outputs; the layer's pace. (What its frames cost against the window's, ./bench.sh says.)
source "$(dirname "$0")/../support/e2e.sh"
waylandCompositor

# 1. Each usage error of the layers: status 2 and one line, with no connection opened (which the
#    Wayland library's debugging would report on stderr).
for arguments in "--layer top" "--output DP-2" "--layer overlay --output=" \
    "--window --layer overlay" "--layer overlay --root" "--layer overlay --window-id 5" \
    "--x11 --layer background" "--layer background -display :1" "-iconic --layer background"; do
    WAYLAND_DEBUG=1 "$TYVOK" $arguments >"$work/out" 2>"$work/err"
    status=$? && read -r line <"$work/err" && echo "$arguments: status $status, '$line'"
    [ "$status $(wc -l <"$work/err") $(wc -c <"$work/out")" = "2 1 0" ] &&
        [[ $line == "tyvok: "*" (see 'tyvok --help')" ]] || fail "$arguments: not one line"
done
env -u WAYLAND_DISPLAY "$TYVOK" --layer overlay 2>"$work/err"
[ "$?:$(cat "$work/err")" = "2:tyvok: '--layer' needs a Wayland compositor, and WAYLAND_DISPLAY is \
not set (see 'tyvok --help')" ] || fail "--layer without WAYLAND_DISPLAY: $(cat "$work/err")"

# 2. The wallpaper under a floating terminal: the terminal's window as it was (but for the
#    rounded corners, through which the wallpaper shows), the moving picture around it. A click
#    on the desktop part goes to the desktop, as it does with no wallpaper (where sway focuses
#    the workspace); keys still reach the window.
weston-terminal >/dev/null 2>&1 &
terminal=$!
extraCleanup='kill $terminal'
swayWindow $terminal && swaymsg -q "[pid=$terminal] floating enable, resize set 480 300, \
move position 272 234" && waitFor "floating terminal" eval \
    'swayWindow $terminal && [ "${area%%,*}" = 272 ]'
pointer to 100 100 click left && swayWindow $terminal && bare=$focused
swaymsg -q "[pid=$terminal] focus" && waitFor "the terminal drawn focused" eval \
    'look "$area" && [ "$changed" -eq 0 ]' && cp "$work/look" "$work/terminal"
startTyvok --layer background && waitSwaps 10 && drawsInEveryQuadrant HEADLESS-1 1024 768
look "$area" && verdict=$("$COMPARE_PICTURES" "$work/terminal" "$work/look") ||
    fail "the terminal's window not as it was"
echo "the terminal's window against itself before: $verdict"
pointer click left && swayWindow $terminal
echo "a click on the desktop: the terminal focused: $focused (with no wallpaper: $bare)"
[ "$focused" = "$bare" ] || fail "a click on the wallpaper went elsewhere than to the desktop"
swaymsg -q "[pid=$terminal] focus" && keys "touch $work/typed" -k Return &&
    waitFor "file made by a command typed in the terminal" test -e "$work/typed"
stopTyvok

# 3. The screen saver over the terminal: the picture moves where the window was. Moves of 3
#    pixels, relative and absolute, leave it; a key ends it with status 0, and so does a relative
#    or an absolute move of 50 pixels (past the first half second, which the pointer may settle
#    in).
saver() { pointer to 100 100 && startTyvok --layer overlay && waitMs 600; }
saver && look "$area" && waitSwaps $(($(swaps) + 10)) && look "$area"
echo "the screen saver over the terminal: $lit pixels lit, $changed changed in 10 frames"
[ "$changed" -gt $((480 * 300 / 50)) ] || fail "the screen saver's picture not over the window"
pointer move 1 3 0 0 to 103 100 && waitSwaps $(($(swaps) + 10)) && running "$pid" ||
    fail "ended by moves of 3 pixels"
keys -k a && waitExit && keyStatus=$status
saver && pointer move 1 50 0 0 && waitExit && relativeStatus=$status
saver && pointer to 150 100 && waitExit
echo "the screen saver ended by a key: $keyStatus, a relative move: $relativeStatus, an absolute \
one: $status"
[ "$keyStatus $relativeStatus $status" = "0 0 0" ] || fail "the screen saver's end"
kill $terminal && extraCleanup=:

# 4. A second output of 1024 x 768: a wallpaper on each, as --output names them.
swaymsg -q create_output && swaymsg -q output HEADLESS-2 mode 1024x768 position 1024 0
startTyvok --layer background --output HEADLESS-1 && first=$pid
swapLog=$work/second startTyvok --layer background --output HEADLESS-2 && second=$pid
extraCleanup='kill $first $second'
drawsInEveryQuadrant HEADLESS-1 1024 768
swapLog=$work/second drawsInEveryQuadrant HEADLESS-2 1024 768
kill $first $second && wait $first $second; extraCleanup=:

# 5. The wallpaper's pace, with nothing over it, on an output small enough for its frames to be
#    cheap: 30 frames a second, by the program's own count.
swaymsg -q output HEADLESS-1 mode 512x384 && startTyvok --layer background &&
    checkPacing "the wallpaper"
finish
