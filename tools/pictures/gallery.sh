#!/usr/bin/env bash
# Draws the README's gallery from the real program: starts Tyvok on a private Xvfb screen of
# 640 x 480, presses the keys of each mode in turn, and saves a PNG of the screen for each in
# docs/gallery, at half size but for the help screen, reduced to 256 colours by pngquant.
# Usage: tools/pictures/gallery.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
out=$root/docs/gallery
settle=1.5 # seconds after a key before the picture is taken, on the program's own pace

"$root/tools/scripts/install-packages.sh" --build libpng-dev xvfb xdotool x11-apps pngquant
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target tyvok tyvok_to_png -j2 >/dev/null

work=$(mktemp -d)
tyvok=""
cleanup() {
    [ -z "$tyvok" ] || kill "$tyvok" 2>/dev/null || true
    "$root/tools/measure/xvfb.sh" stop "$work/xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
"$root/tools/measure/xvfb.sh" start "$work/xvfb" 640x480 >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY
unset WAYLAND_DISPLAY # the program on that display, also when run on a Wayland desktop

(cd "$root/data" && exec "$build/tyvok") &
tyvok=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tyvok$' | head -n1)
xdotool windowfocus "$window"
# The manual camera holds still, with the whole cluster in view, where the automatic path may
# fly close or through it.
sleep 1
xdotool key v
sleep 9.5 # the title and the camera's message have faded out

# Presses the keys, waits, and saves the screen as <name>.png, at --half or --full size.
shot() {
    local name=$1 size=$2
    shift 2
    [ $# -eq 0 ] || xdotool key "$@"
    sleep "$settle"
    xwd -root -silent >"$work/screen.xwd"
    local half=()
    [ "$size" = --full ] || half=(--half)
    "$build/tools/tyvok_to_png" "${half[@]}" "$work/screen.xwd" "$work/$name.png"
}

shot filled --half
shot lines --half w
shot points --half w
shot letterbox --half w l l l
shot help --full l l l l l l l l l question
shot lighting --half question s
shot metal --half s i
shot fisheye --half i
shot brass --half i
shot mona-lisa --half i
shot eye-linear --half i o
shot sphere-map --half o
shot hyperspace --half o space
xdotool key space Escape

rm -rf "$out"
mkdir -p "$out"
for picture in "$work"/*.png; do
    pngquant --strip --speed 1 --output "$out/$(basename "$picture")" "$picture"
done
du -cb "$out"/*.png | tail -n1
