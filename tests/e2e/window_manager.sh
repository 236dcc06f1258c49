#!/usr/bin/env bash
# The GLUT host's window under a window manager (openbox): the help hint, the class hint, pacing,
# sleeping while iconified or covered, Escape's quit fade, the manual camera's walk and the stop
# signals.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
# The letterbox's top bar lies behind the message line, so that no gear passes behind the text.
startTyvok --window --max-fps 30 -geometry 320x240 --letterbox 3
findWindow || finish
# 1. "Press ? key for Help Screen" in the message line while its three seconds last.
hintLooks
[ "$hintGlyphs" -ge 15 ] || fail "no help hint"

# 2. The class hint, and what the window manager made of it.
classes=$(xprop -id "$window" WM_CLASS _OB_APP_NAME _OB_APP_CLASS)
echo "$classes"
[ "$classes" = 'WM_CLASS(STRING) = "tyvok", "Tyvok"
_OB_APP_NAME(UTF8_STRING) = "tyvok"
_OB_APP_CLASS(UTF8_STRING) = "Tyvok"' ] || fail "not the class tyvok/Tyvok"
checkPacing "GLUT host"
[ "$(swapSize)" = 320x240 ] || fail "no swap of 320 x 240 in the log"

# 3. Iconified until restored, then covered by a window over the whole screen until that goes.
xdotool windowminimize "$window"
if waitFor "unmapped window after iconifying" eval 'xwininfo -id $window | grep -q IsUnMapped'; then
    sleepsWhileHidden iconified
    xdotool windowactivate --sync "$window"
    waitSwaps $(($(swaps) + 10)) && echo "restored: drawing again"
fi
openWindow 1024 768
sleepsWhileHidden covered
closeWindow
waitSwaps $(($(swaps) + 10)) && echo "uncovered: drawing again"

# 4. Escape: the last frame drawn is the last one before 2.7 s past the key's whole second, at
#    at least 1.4 s after the key, within the 0.3 s before that point.
keyMs=$(programMs)
xdotool windowactivate --sync "$window" key Escape
waitExit
lastMs=$(programMs)
echo "Escape at about $keyMs ms: status $status, last frame at $lastMs ms on the program's clock"
[ "$status" -eq 0 ] || fail "exit status $status after Escape"
((lastMs - keyMs >= 1400 && lastMs % 1000 > 400 && lastMs % 1000 <= 700)) ||
    fail "the quit fade ended at $lastMs ms, after Escape at $keyMs ms"

# 5. The manual camera walks while Up is held, on the program's clock, as the view transform
#    shows it. It walks on the echo of its pointer warp, with the pointer in the window.
camera=1.5 startTyvok --window --max-fps 30 -geometry 512x512+0+0
findWindow && xdotool mousemove --window "$window" 256 256 windowactivate --sync "$window" key v
waitSwaps $(($(swaps) + 5)) && from=$(swaps)
xdotool keydown Up sleep 1 keyup Up
waitSwaps $((from + 40)) && checkWalk "GLUT host, Up held for 1 s" "$from"
stopTyvok

# 6. The stop signals.
for signal in INT TERM; do
    startTyvok --window -geometry 64x64
    waitSwaps 1 && stopBy $signal
done
finish
