#!/usr/bin/env bash
# The GLUT host's window under a window manager (openbox): its class is tyvok/Tyvok, as the
# manager records it too; it paces its frames at --max-fps 30; iconified, or covered by another window, it draws no frame and takes
# next to no processor time, and draws again once shown.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
startTyvok --window --max-fps 30 -geometry 320x240
waitFor "visible Tyvok window" findWindow || finish
waitSwaps 10

# 1. The class hint, and what the window manager made of it.
classes=$(xprop -id "$window" WM_CLASS _OB_APP_NAME _OB_APP_CLASS)
echo "$classes"
for expected in 'WM_CLASS(STRING) = "tyvok", "Tyvok"' '_OB_APP_NAME(UTF8_STRING) = "tyvok"' \
    '_OB_APP_CLASS(UTF8_STRING) = "Tyvok"'; do
    grep -qxF "$expected" <<<"$classes" || fail "not $expected"
done
checkPacing "GLUT host" 3

# idleWhileHidden HOW: once hidden (and a frame under way has been swapped), no frame in 4 s and
# under 5 % of that time on the processor.
idleWhileHidden() {
    sleep 1
    local frames ticks started hidden percent
    frames=$(swaps) ticks=$(processorTicks "$pid") started=$(date +%s%N)
    sleep 4
    hidden=$(($(swaps) - frames))
    percent=$(awk -v t=$(($(processorTicks "$pid") - ticks)) -v hz="$(getconf CLK_TCK)" \
        -v ns=$(($(date +%s%N) - started)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }')
    echo "$1: $hidden frames and $percent % of a processor over 4 s"
    [ "$hidden" -eq 0 ] || fail "$1: $hidden frames drawn"
    awk -v p="$percent" 'BEGIN { exit !(p < 5) }' || fail "$1: took $percent % of a processor"
}

# 2. Iconified until restored.
xdotool windowminimize "$window"
unmapped() { xwininfo -id "$window" | grep -q 'Map State: IsUnMapped'; }
if waitFor "unmapped window after iconifying" unmapped; then
    idleWhileHidden iconified
    xdotool windowactivate "$window"
    waitSwaps $(($(swaps) + 10)) && echo "restored: drawing again"
fi

# 3. Covered by a window over the whole screen until that window goes.
openWindow 1024 768
idleWhileHidden covered
closeWindow
waitSwaps $(($(swaps) + 10)) && echo "uncovered: drawing again"
finish
