# Sourced by the scripted tests: a private X display or Wayland compositor, the program started with
# the swap counter, its window, input, pictures, waits with deadlines, the failure count and the
# clean-up. CTest sets TYVOK (the program), TYVOK_DATA (its images), TYVOK_BUILD (the build
# folder), SWAP_COUNTER, CAMERA_LOGGER, TEXT_LOGGER, STEPPED_CLOCK, X_PROBE, PNG_PIXELS,
# COMPARE_PICTURES and VIRTUAL_POINTER.
set -uo pipefail
root=$(dirname "${BASH_SOURCE[0]}")/../..
. "$root/tools/measure/wait.sh"
# The program is built with AddressSanitizer in one of the passes; the preloads come first.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
work=$(mktemp -d)
swapLog=$work/swaps cameraLog=$work/camera textLog=$work/text
pid="" helper="" window="" pointerPid=""
failures=0 extraCleanup=:
cleanup() {
    stopTyvok && closeWindow && eval "$extraCleanup"
    [ ! -d "$work/xvfb" ] || "$root/tools/measure/xvfb.sh" stop "$work/xvfb"
    [ -z "$pointerPid" ] || kill "$pointerPid"
    [ ! -d "$work/sway" ] || "$root/tools/measure/sway.sh" stop "$work/sway"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" && failures=$((failures + 1)); }
finish() {
    [ "$failures" -gt 0 ] || echo "$(basename "$0" .sh): all checks passed"
    exit $((failures > 0))
}

# privateDisplay [WxH [WINDOW_MANAGER]]: an Xvfb server of the test's own, made $DISPLAY, where
# the program runs on X also when the test is run on a Wayland desktop.
privateDisplay() {
    "$root/tools/measure/xvfb.sh" start "$work/xvfb" "$@" >/dev/null || exit 1
    export DISPLAY=$(cat "$work/xvfb/display")
    unset WAYLAND_DISPLAY
}
# waylandCompositor: a sway of the test's own (tools/measure/sway.sh: nobody's, 1024 x 768 on
# HEADLESS-1, no Xwayland), made the compositor of the script and what it starts, with no X display;
# with a virtual pointer in it, as a mouse that stays plugged in, for `pointer`.
waylandCompositor() {
    chmod 755 "$work" # sway's user reaches its runtime folder in here
    "$root/tools/measure/sway.sh" start "$work/sway" >/dev/null || exit 1
    . "$work/sway/environment"
    unset DISPLAY
    mkfifo "$work/pointer.in" "$work/pointer.out"
    plugPointer || exit 1
}
# plugPointer: a new virtual pointer in place of the last one, which sway drops from its seat on
# any `seat` command.
plugPointer() {
    [ -z "$pointerPid" ] || { exec {pointerIn}>&- {pointerOut}<&- && kill "$pointerPid" &&
        wait "$pointerPid"; } 2>/dev/null
    "$VIRTUAL_POINTER" <"$work/pointer.in" >"$work/pointer.out" 2>&1 &
    pointerPid=$!
    exec {pointerIn}>"$work/pointer.in" {pointerOut}<"$work/pointer.out"
    pointer
}
# pointer [ACTION...]: the compositor's pointer carries out the actions (virtual_pointer.cpp):
# `pointer to X Y move N DX DY MS click left`; returns once the compositor has them all.
pointer() {
    local reply=""
    echo "$*" >&"$pointerIn" && read -r -t "$waitSeconds" reply <&"$pointerOut"
    [ "$reply" = done ] || { fail "pointer $*: ${reply:-no answer}" && return 1; }
}
# keys ARGS...: wtype ARGS (`keys -k f`, `keys -P Up -s 1000 -p Up`), after the wait that a client
# needs to take the keymap of each new keyboard: every run of wtype is one, and a key sent before
# the client has its keymap is lost.
keys() { wtype -s 800 "$@"; }
# swayWindow PID: waits for the window of process PID in sway's tree; sets appId, title,
# fullScreen (0: no, 1: on its output, 2: on every output), focused (true or false), size (of its
# contents, WxH) and area (where they are on the outputs, as grim's -g and `look` read it).
swayWindow() {
    local windowPid=$1 found="" place query='first(.. | objects | select(.pid? == $pid)) |
        .rect as $r | .window_rect as $w | "\(.app_id) \(.fullscreen_mode) \(.focused) \(
        $r.x + $w.x),\($r.y + $w.y) \($w.width)x\($w.height) \(.name)"'
    waitFor "window of process $1" eval \
        'found=$(swaymsg -t get_tree | jq -er --argjson pid "$windowPid" "$query")' || return 1
    read -r appId fullScreen focused place size title <<<"$found"
    area="$place $size"
}

# installBuild PREFIX: the build installed there, or the test ends.
installBuild() { cmake --install "$TYVOK_BUILD" --prefix "$1" >/dev/null || exit 1; }

# startTyvok ARGS...: the program $TYVOK in $folder (its images' folder by default) with the swap
# counter loaded, its swaps logged afresh to $swapLog, its stderr in $work/stderr, SIGINT ignored
# (as for a program started in the background; only a handler of its own ends it by SIGINT).
# With camera=Z (the program's camera distance, --camera-z), each frame's camera is logged to
# $cameraLog as well, line for line with the swap log (camera_log.cpp); with text=1, each
# frame's text to $textLog (text_log.cpp). With stopMs=MS the program's clock steps 16 ms a frame
# up to MS, where it stays, in any host (stepped_clock.cpp: the swap log then shows no clock).
startTyvok() {
    local preload=${stopMs:+$STEPPED_CLOCK }$SWAP_COUNTER${camera:+ $CAMERA_LOGGER}
    : >"$swapLog" && : >"$cameraLog" && : >"$textLog"
    (trap '' INT && cd "${folder:-$TYVOK_DATA}" && SWAP_LOG=$swapLog CAMERA_LOG=$cameraLog \
        CAMERA_Z=${camera:-} TEXT_LOG=$textLog STEPPED_CLOCK_STOP_MS=${stopMs:-} \
        LD_PRELOAD="$preload${text:+ $TEXT_LOGGER}" exec "$TYVOK" "$@") 2>"$work/stderr" &
    pid=$!
}
stopTyvok() { [ -z "$pid" ] || { kill "$pid" && wait "$pid"; } 2>/dev/null; pid=""; }
# running PID: the process has not ended (an ended child that is not yet waited for is a zombie).
running() { [[ $(ps -o stat= -p "$1") == [^Z]* ]]; }
# waitFor WHAT COMMAND...: waits for COMMAND to succeed (for $within seconds, the usual deadline
# by default); fails the test at the deadline.
waitFor() {
    waitSeconds=${within:-$waitSeconds} waitUntil "${@:2}" && return
    fail "no $1 within ${within:-$waitSeconds} s"
    return 1
}
# waitExit: waits for the program to end; its exit status is left in $status (-1: still running
# at the deadline, and then stopped).
waitExit() {
    status=-1
    waitFor "end of the program" eval '! running "$pid"' && { wait "$pid"; status=$?; pid=""; }
    stopTyvok
}
# stopBy SIGNAL: the program, sent SIGNAL, must end by it: status 128 + its number, once it has
# released what it holds and raised the signal again.
stopBy() {
    kill -"$1" "$pid"
    waitExit
    [ "$status" -eq $((128 + $(kill -l "$1"))) ] || fail "exit status $status after SIG$1"
}
# openWindow W H [single]: a window that x_probe makes, its id in $testWindow; closeWindow
# destroys it (x_probe then writes "destroyed" to $work/window).
openWindow() {
    rm -f "$work/window"
    "$X_PROBE" window "$@" >"$work/window" &
    helper=$!
    waitFor "test window" test -s "$work/window" || exit 1
    testWindow=$(head -n1 "$work/window")
}
closeWindow() { [ -z "$helper" ] || { kill "$helper" && wait "$helper"; } 2>/dev/null; helper=""; }

# unprivileged: $home for $user, as whom the screen savers run (some refuse root), the swap counter
# where that user reads it ($work/swaps.so); "${asUser[@]}" COMMAND...: COMMAND as that user.
user=nobody home=$work/home
unprivileged() {
    chmod 755 "$work" && mkdir "$home" && chown "$user" "$home" &&
        install -m 644 "$SWAP_COUNTER" "$work/swaps.so" && install -o "$user" /dev/null "$swapLog"
}
asUser=(env -C "$home" HOME="$home" setpriv --reuid "$user" --regid nogroup --clear-groups)
# hackPid: the Tyvok that a screen saver started with this test's swap log.
hackPid() { grep -lxzF "SWAP_LOG=$swapLog" $(pgrep -x tyvok | sed 's|.*|/proc/&/environ|') \
    2>/dev/null | cut -d/ -f3 | grep .; }
# noWindowOfItsOwn: no window bears Tyvok's name or class.
noWindowOfItsOwn() {
    local own=$(for how in --name --class --classname; do xdotool search "$how" '[Tt]yvok'; done)
    [ -z "$own" ] || fail "Tyvok opened windows of its own: $own"
}

# The swap log of this run of the program: its frames, its clock and the window it draws in.
swaps() { wc -l <"$swapLog"; }
waitSwaps() { waitFor "$1 frames" eval '[ "$(swaps)" -ge '"$1"' ]'; }
# programMs: the program's clock at the last swap (GLUT's in the GLUT host, else the host's own).
programMs() { awk 'END { print ($3 >= 0 ? $3 : $4) + 0 }' "$swapLog"; }
# waitMs MS: waits (for up to 90 s, the sanitizers' pace) for MS on the program's clock.
waitMs() { within=90 waitFor "$1 ms on the program's clock" eval '[ "$(programMs)" -ge '"$1"' ]'; }
# findWindow: waits for this run's first frame; the window it drew in is then $window.
findWindow() { waitSwaps 1 && window=$(awk 'END { print $5 }' "$swapLog"); }
# swapSize: the size of the drawable at the last swap, WxH.
swapSize() { awk 'END { print $6 }' "$swapLog"; }
# checkPacing NAME: for the program at --max-fps 30, waits for 6 s on its clock; no whole second
# of it may hold more than 30 frames, and those the program waited for (in poll: it was ready
# before they were due) come at 25 a second or more; those a busy machine makes late are not.
checkPacing() {
    local verdict
    waitMs 6000 || return
    verdict=$(awk '{ ms = $3 >= 0 ? $3 : $4 } ms >= 0 {
            second = int(ms / 1000); most = ++perSecond[second] > most ? perSecond[second] : most
            if (seen && $7 > 0) { waited++; span += ms - last }
            seen = 1; last = ms
        } END {
            for (s = 0; s <= second; ++s) counts = counts " " perSecond[s] + 0
            rate = span > 0 ? waited * 1000 / span : 0
            printf "frames in each second:%s; %d waited for, %.1f a second\n", counts, waited, rate
            if (most > 30 || waited >= 10 && rate < 25) print "FAIL"
        }' "$swapLog")
    echo "$1: $verdict"
    [[ $verdict != *FAIL* ]] || fail "$1: pacing at 30 frames a second"
}
# checkWalk NAME FROM: after swap FROM, every frame that moved the camera (started with camera=Z)
# moved it along its heading by 2 units a second times its time step, the program's clock at its
# swap less that of the swap before (one of over 0.1 s counts as 0.05 s); and 5 frames or more did.
checkWalk() {
    local verdict
    verdict=$(paste -d '|' "$swapLog" "$cameraLog" | awk -F '|' -v from="$2" '
        { split($1, swap, " "); n = split($2, view, " ")
          ms[NR] = swap[3] >= 0 ? swap[3] : swap[4]; yaw[NR] = view[1] * atan2(0, -1) / 180
          x[NR] = view[3]; z[NR] = view[4] }
        NR > from + 2 && n > 1 && !skip[NR - 1] && (x[NR] != x[NR - 1] || z[NR] != z[NR - 1]) {
            t = (ms[NR - 1] - ms[NR - 2]) / 1000; t = t > 0.1 ? 0.05 : t; walked++
            dx = x[NR] - x[NR - 1] - 2 * t * sin(yaw[NR - 1])
            dz = z[NR] - z[NR - 1] + 2 * t * cos(yaw[NR - 1]); off += dx * dx + dz * dz > 1e-8
        } { skip[NR] = n < 2 }
        END { printf "%d frames walked, %d of them not by 2 units a second\n", walked, off
              if (walked < 5 || off) print "FAIL" }')
    echo "$1: $verdict"
    [[ -n $verdict && $verdict != *FAIL* ]] || fail "$1: the walk"
}
# sleepsWhileHidden HOW: the program, whose window has just been hidden, draws no frame and takes
# next to no processor time (at most 5 ticks, where a busy loop would take hundreds) while the
# test sleeps for 4 s, after 1 s for a frame under way to be swapped.
sleepsWhileHidden() {
    local frames ticks
    sleep 1 && frames=$(swaps) ticks=$(awk '{print $14 + $15}' "/proc/$pid/stat") && sleep 4
    frames=$(($(swaps) - frames)) ticks=$(($(awk '{print $14 + $15}' "/proc/$pid/stat") - ticks))
    echo "$1: $frames frames and $ticks processor ticks while hidden"
    [ "$frames" -eq 0 ] && [ "$ticks" -le 5 ] || fail "$1: drew or ran while hidden"
}

# screenshot ID FILE [OPTION...]: grim's picture of the output named ID, or of the area ID
# ("X,Y WxH"), with grim's options (-c: with the cursor).
screenshot() {
    if [[ $1 == *,* ]]; then grim "${@:3}" -g "$1" "$2"; else grim "${@:3}" -o "$1" "$2"; fi
}
# look ID: the pixels of X window ID ("root": the root window), or of a Wayland output or area
# (as for screenshot), against the last look's: sets width, height, lit (pixels brighter than dark
# grey), changed (pixels unlike the last look's) and quadrants (the lit pixels of the top left,
# top right, bottom left and bottom right quarters). $work/look holds the pixels, as x_probe
# prints them.
look() {
    touch "$work/look"
    if [[ $1 == 0x* || $1 == root ]]; then
        "$X_PROBE" pixels "$1" >"$work/look.new"
    else
        screenshot "$1" "$work/look.png" && "$PNG_PIXELS" "$work/look.png" >"$work/look.new"
    fi
    read -r width height lit changed quadrants <<<"$(awk '
        FILENAME == ARGV[1] { was[FNR] = $0; next }
        { width = NF / 3; height = FNR; same = $0 == was[FNR]; same || split(was[FNR], old)
          for (i = 1; i <= NF; i += 3) {
              if ($i + $(i + 1) + $(i + 2) > 96) { ++lit; ++half[FNR, i > 3 * int(width / 2)] }
              changed += !same && ($i != old[i] || $(i + 1) != old[i + 1] || $(i + 2) != old[i + 2])
          }
        } END {
            for (y = 1; y <= height; ++y) for (x = 0; x < 2; ++x)
                quarter[2 * (y > int(height / 2)) + x] += half[y, x]
            print width + 0, height + 0, lit + 0, changed + 0, quarter[0] + 0, quarter[1] + 0,
                quarter[2] + 0, quarter[3] + 0
        }' "$work/look" "$work/look.new")"
    mv "$work/look.new" "$work/look"
}
# movesInEveryQuadrant W H: the last two looks saw a W x H picture that moved over a hundredth of
# its pixels and lit a two-hundredth of each quadrant.
movesInEveryQuadrant() {
    local least=$(($1 * $2 / 200)) count
    [ "$width x $height" = "$1 x $2" ] && [ "$changed" -gt $((least * 2)) ] || return 1
    for count in $quadrants; do [ "$count" -gt "$least" ] || return 1; done
}
# drawsInEveryQuadrant ID W H: window ID, past the fade-in, shows such a picture 10 frames apart.
drawsInEveryQuadrant() {
    look "$1"
    waitSwaps $(($(swaps) + 10)) || return
    look "$1"
    echo "$width x $height: $lit lit ($quadrants by quadrant), $changed changed in 10 frames"
    movesInEveryQuadrant "$2" "$3" || fail "$2 x $3: not a picture that moves in every quadrant"
}
# brightBox [LEAST]: of the pixels on standard input (as look reads them), sets box to "left top
# width height" of the bright ones (red, green and blue adding up to LEAST, 300 by default), and
# grey to the number of those neither black nor white.
brightBox() {
    local found
    found=$(awk -v least="${1:-300}" '{
        for (i = 1; i <= NF; i += 3) {
            sum = $i + $(i + 1) + $(i + 2); grey += sum > 0 && sum < 765
            if (sum < least) continue
            x = (i - 1) / 3; left = n++ && left < x ? left : x; right = right > x ? right : x
            top = top ? top : FNR; bottom = FNR
        } } END { printf "%d %d %d %d %d\n", left, top ? top - 1 : 0, n ? right - left + 1 : 0,
                         n ? bottom - top + 1 : 0, grey }')
    box=${found% *} grey=${found##* }
}
# twice ONE TWO: each number of TWO is twice ONE's, within 3 pixels (scale 1 dims some edges).
twice() {
    awk -v one="$1" -v two="$2" 'BEGIN { n = split(one, a); split(two, b)
        for (i = 1; i <= n; ++i) if (a[i] <= 0 || (b[i] - 2 * a[i]) ^ 2 > 9) exit 1 }'
}
# hintLooks: from this run's first frame, six looks within the start-up hint's three seconds at
# the first five glyph boxes of its window's message line (10 x 20 pixels, 9 apart, from x 10, y 6);
# sets hintGlyphs to the boxes of the 30 that held lit and unlit pixels inside their edges (a font
# sheet that failed to load draws solid boxes; a star or a gear can make one box look like a glyph).
hintLooks() {
    local boxes
    hintGlyphs=0
    findWindow || return
    for _ in 1 2 3 4 5 6; do
        boxes=$("$X_PROBE" pixels "$window" 0 7 60 18 | awk '{
                for (x = 11; x < 56; ++x) if ((x - 10) % 9) {
                    box = int((x - 10) / 9); i = 3 * x + 1; sum = $i + $(i + 1) + $(i + 2)
                    lit[box] += sum >= 300; unlit[box] += sum < 90
                }
            } END { for (box = 0; box < 5; ++box) glyphs += lit[box] >= 5 && unlit[box] >= 30
                    print glyphs + 0 }')
        hintGlyphs=$((hintGlyphs + boxes))
        sleep 0.2
    done
    echo "$hintGlyphs glyphs in the message line's five boxes in six looks, until $(programMs) ms"
}
