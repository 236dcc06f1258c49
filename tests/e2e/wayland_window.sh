#!/usr/bin/env bash
# The Wayland host's window under sway, driven as a user drives it: what sway's tree shows of it,
# full screen and after f; the manual camera on the pointer's relative motion, full screen and in
# the window, with the lock and without it; each key's message; a held key's repeats; sleeping in
# the scratchpad; and its end by Escape, by the compositor's close and by the compositor's end.
source "$(dirname "$0")/../support/e2e.sh"
waylandCompositor
# The yaw of the last frame drawn, in degrees.
yaw() { awk '$1 != "-" { yaw = $1 } END { print yaw }' "$cameraLog"; }
# turn N: the manual camera's turn over N relative moves of 10 pixels to the right, in degrees.
turn() {
    local before
    waitSwaps $(($(swaps) + 3)) && before=$(yaw) && pointer move "$1" 10 0 10 &&
        waitSwaps $(($(swaps) + 5)) && awk -v a="$before" -v b="$(yaw)" 'BEGIN { print b - a }'
}
# between LOW HIGH X: LOW <= X <= HIGH.
between() { awk -v x="$3" "BEGIN { exit !(x >= $1 && x <= $2) }"; }
# walk WHERE: holding Up for 1 s walks the manual camera 2 units a second on every frame.
walk() { local from && from=$(swaps) && keys -P Up -s 1000 -p Up && waitSwaps $((from + 40)) &&
    checkWalk "$1, Up held for 1 s" "$from"; }
# centreAndLook: the pointer to the middle of the window, then the manual camera on (v).
centreAndLook() { pointer to $((${area%%,*} + 256)) $(($(cut -d, -f2 <<<"${area%% *}") + 256)) &&
    keys -k v; }

# 1. Full screen at start, as sway's tree shows it; the manual camera (v) turns by forty moves of
#    10 pixels as by 40, 0.1 degree a pixel, and walks while Up is held.
camera=1.5 text=1 startTyvok
swayWindow $pid
echo "at start: $appId \"$title\", $size, full screen: $fullScreen"
[ "$appId $title $size $fullScreen" = "tyvok Tyvok 1024x768 1" ] || fail "not Tyvok full screen"
keys -k v && turned=$(turn 40)
echo "full screen: forty moves of 10 pixels turned the manual camera by $turned degrees"
between 36 44 "$turned" || fail "full screen: turned by $turned degrees"
walk "full screen"

# 2. f: a floating window of 512 x 512. With the manual camera, sixty moves to the right over it
#    turn it by 60 degrees: locked, the pointer stays in the window; Up walks. Unlocked (sway's
#    constraints off), it leaves the window after 25 moves, and the turn stops there.
keys -k f
waitFor "window of 512 x 512" eval 'swayWindow $pid && [ "$size $fullScreen" = "512x512 0" ]'
echo "after f: $size at $area, full screen: $fullScreen"
centreAndLook && turned=$(turn 60) && walk "in the window"
keys -k v && swaymsg -q seat seat0 pointer_constraint disable && plugPointer
centreAndLook && unlocked=$(turn 60)
echo "in the window: sixty moves turned it by $turned degrees locked, $unlocked unlocked"
between 54 66 "$turned" || fail "in the window: turned by $turned degrees"
between 20 30 "$unlocked" || fail "unlocked: turned by $unlocked degrees"

# 3. Each key of a table, typed in turn: the message that it shows (the help screen for ? and
#    none for /, which closes it). The keymap is the one that wtype sends: keysyms, either case.
from=$(swaps)
keys -d 200 ',.<>-=_+{}()[]cCiIlLnoOpPtTuUwWwvVr?/' -k Page_Up -k Page_Down -k Home -k End
waitSwaps $(($(swaps) + 5))
shown=$(tail -n +"$from" "$textLog" | awk -F '\t' '{ shows = "-"
        for (i = 1; i <= NF; ++i) if ($i ~ /^10,25,20 /) shows = substr($i, 10)
        if ($0 ~ /Special Controls/) shows = "help"
        if (shows != last) print shows; last = shows }')
expected=$(tr '|' '\n' <<<"\
FOV: 101 Degrees^J|FOV: 100 Degrees^J|Tesselation: 8^J|Tesselation: 10^J|Rotate Speed: 1.80^J|\
Rotate Speed: 2.00^J|Movement Speed: 0.90^J|Movement Speed: 1.00^J|CameraZ: 1.45^J|\
CameraZ: 1.50^J|Light Rotate Speed: 0.90^J|Light Rotate Speed: 1.00^J|Object Size: 0.95^J|\
Object Size: 1.00^J|Frame/Second Clock On|Frame/Second Clock Off|Image 1/4: Metal|\
Image 2/4: FishEye|Letterbox: 1|Letterbox: 2|#:1|Option 2/2: Eye Map|Option 0/2: Sphere Map|\
Pause Motion|Continue Motion|Textures Off|Textures On|Universe Off|Universe On|\
PolyMode 2/3: Lines|PolyMode 3/3: Points|PolyMode 1/3: Polygons|Camera 1: Auto|\
Camera 2: Manual Mouse/Arrow Key Control|Reset|help|Reset|Main Speed: 1.11^J|Main Speed: 1.00^J|\
Speed: 1.11^J|Speed: 1.00^J")
# The last message of the key before may be shown first.
diff <(echo "$expected") <(grep -vx -- - <<<"$shown" | tail -n "$(wc -l <<<"$expected")") ||
    fail "the keys' messages (above: expected <, shown >)"
echo "$(wc -l <<<"$expected") keys' messages shown in turn"

# 4. A held key repeats at the compositor's rate and after its delay, as the program's clock has
#    the frames that show each step of the field of view, and no more once it is released.
swaymsg -q input type:keyboard repeat_delay 300 && swaymsg -q input type:keyboard repeat_rate 10
from=$(swaps) && keys -P comma -s 1500 -p comma && released=$(programMs)
waitMs $((released + 600)) && verdict=$(paste <(cut -d ' ' -f 4 "$swapLog") "$textLog" |
    tail -n +"$from" | awk -F '\t' -v released="$released" '
    { for (i = 2; i <= NF; ++i) if ($i ~ /^10,25,20 FOV: /) split($i, word, " ") }
    { fov = word[3] }
    fov != shown { at[++steps] = $1; shown = fov; late += $1 > released + 300 }
    END { every = steps > 2 ? (at[steps] - at[2]) / (steps - 2) : 0
        printf "%d steps, the first repeat %d ms after the press, then one every %.0f ms; %d",
            steps, at[2] - at[1], every, late
        if (steps < 8 || at[2] - at[1] < 250 || at[2] - at[1] > 450 || every < 80 || every > 130 ||
            late) print " FAIL" }')
echo "comma (a wider view) held for 1.5 s, repeating at 10 a second after 300 ms: $verdict \
over 300 ms after the release"
[[ -n $verdict && $verdict != *FAIL* ]] || fail "the held key's repeats"

# 5. In sway's scratchpad it draws nothing and sleeps; shown again, it draws.
swaymsg -q "[pid=$pid] move scratchpad"
sleepsWhileHidden "in the scratchpad"
swaymsg -q "[pid=$pid] scratchpad show" && waitSwaps $(($(swaps) + 10)) && echo "shown: drawing"

# 6. Escape fades out for over 1.4 s on the program's clock and ends with status 0; so does the
#    compositor's close.
keyMs=$(programMs) && keys -k Escape && waitExit
echo "Escape at about $keyMs ms: status $status, the last frame at $(programMs) ms"
[ "$status" -eq 0 ] && [ $(($(programMs) - keyMs)) -ge 1400 ] || fail "Escape: no fade, or $status"
startTyvok && swayWindow $pid && swaymsg -q "[pid=$pid] kill" && waitExit
[ "$status" -eq 0 ] || fail "status $status after the compositor's close"

# 7. The compositor gone: status 1, at once, with one line.
startTyvok && waitSwaps 3 && kill "$(cat "$work/sway/pid")" && waitExit
echo "sway killed: status $status, '$(cat "$work/stderr")'"
[ "$status:$(cat "$work/stderr")" = "1:tyvok: lost the connection to the Wayland compositor" ] ||
    fail "not one line and status 1 once sway has gone"
finish
