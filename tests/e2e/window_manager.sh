#!/usr/bin/env bash
# The GLUT host's window under a window manager (openbox): its class is tyvok/Tyvok, as the
# manager records it too; iconified it draws no frame and takes next to no processor time, and
# drawn again once restored.
source "$(dirname "$0")/../support/e2e.sh"
privateDisplay 1024x768 openbox
startTyvok --window
findWindow() { window=$(xdotool search --onlyvisible --name '^Tyvok$' 2>/dev/null | head -n1) && [ -n "$window" ]; }
waitFor "visible Tyvok window" 30 findWindow || finish
waitSwaps 10

# 1. The class hint, and what the window manager made of it.
classes=$(xprop -id "$window" WM_CLASS _OB_APP_NAME _OB_APP_CLASS)
echo "$classes"
grep -qx 'WM_CLASS(STRING) = "tyvok", "Tyvok"' <<<"$classes" || fail "WM_CLASS is not tyvok, Tyvok"
grep -qx '_OB_APP_NAME(UTF8_STRING) = "tyvok"' <<<"$classes" || fail "openbox's name is not tyvok"
grep -qx '_OB_APP_CLASS(UTF8_STRING) = "Tyvok"' <<<"$classes" || fail "openbox's class is not Tyvok"

# 2. Iconified: once the window is unmapped (and a frame under way has been swapped), no frame
#    in 4 s and under 5 % of that time on the processor; restored, it draws again.
xdotool windowminimize "$window"
unmapped() { xwininfo -id "$window" | grep -q 'Map State: IsUnMapped'; }
if waitFor "unmapped window after iconifying" 20 unmapped; then
    sleep 1
    frames=$(swaps) ticks=$(processorTicks "$pid") started=$(date +%s%N)
    sleep 4
    hiddenFrames=$(($(swaps) - frames))
    read -r percent < <(awk -v t=$(($(processorTicks "$pid") - ticks)) -v hz="$(getconf CLK_TCK)" \
        -v ns=$(($(date +%s%N) - started)) 'BEGIN { printf "%.2f\n", 100 * t / hz / (ns / 1e9) }')
    echo "iconified: $hiddenFrames frames and $percent % of a processor over 4 s"
    [ "$hiddenFrames" -eq 0 ] || fail "$hiddenFrames frames drawn while iconified"
    awk -v p="$percent" 'BEGIN { exit !(p < 5) }' || fail "iconified, took $percent % of a processor"
    frames=$(swaps)
    xdotool windowactivate "$window"
    waitSwaps $((frames + 10)) 20 && echo "restored: drawing again"
fi
finish
