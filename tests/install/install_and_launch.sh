#!/usr/bin/env bash
# Installs the build into a temporary prefix, moves that prefix elsewhere, checks the installed
# files, starts the program through XScreenSaver's link to the launcher from an unrelated folder
# on the test display, checks that the font sheet was found (glyphs, not solid boxes, in the
# start-up message) and that Escape ends the program with 0.
# Arguments: the build folder and the file that holds the test display (":N").
set -uo pipefail
. "$(dirname "$0")/../support/wait.sh"
build=$1
display=$(cat "$2")
work=$(mktemp -d)
pid=""
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid"; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || {
    cat "$work/install.log"
    fail "cmake --install"
}
# Everything is found relative to the launcher, so a moved prefix must work as well.
mv "$work/prefix" "$work/moved"
prefix=$work/moved

source=$(sed -n 's/^tyvok_SOURCE_DIR:STATIC=//p' "$build/CMakeCache.txt")
[ -s "$build/image_files.txt" ] || fail "no list of image files in the build"
while read -r image; do
    cmp -s "$source/data/$image" "$prefix/share/tyvok/$image" || fail "$image not installed"
done <"$build/image_files.txt"
[ -x "$prefix/libexec/tyvok/tyvok" ] || fail "program not installed under libexec/tyvok"
[ "$(head -c 2 "$prefix/bin/tyvok")" = "#!" ] || fail "bin/tyvok is not the launcher script"
hack=$prefix/libexec/xscreensaver/tyvok
[ "$(readlink -f "$hack")" = "$prefix/bin/tyvok" ] || fail "XScreenSaver's link: $(ls -l "$hack")"
grep -q 'Expat' "$prefix/share/doc/tyvok/copyright" || fail "no licence in the copyright file"
gzip -t "$prefix/share/doc/tyvok/changelog.gz" || fail "no packed changelog"

# XScreenSaver's settings: the command's and the slider's arguments, at both ends of the slider,
# are options the program accepts: without a display it then stops at opening it, with status 1,
# not with a usage error (status 2) or the launcher's complaint about its images.
config=$prefix/share/xscreensaver/config/tyvok.xml
grep -q '^<screensaver name="tyvok" _label="Tyvok">$' "$config" || fail "settings' name and label"
rootArgument=$(sed -n 's/^ *<command arg="\([^"]*\)".*/\1/p' "$config")
slider=$(sed -n 's/.* arg="\(--max-fps\) %".*/\1/p' "$config")
low=$(sed -n 's/.* low="\([0-9]*\)".*/\1/p' "$config")
high=$(sed -n 's/.* high="\([0-9]*\)".*/\1/p' "$config")
[ "$rootArgument $slider $low $high" = "--root --max-fps 10 60" ] ||
    fail "settings give '$rootArgument $slider $low $high'"
for rate in "$low" "$high"; do
    env -u DISPLAY XSCREENSAVER_WINDOW=0x400007 "$hack" "$rootArgument" "$slider" "$rate" \
        >"$work/hack.log" 2>&1
    status=$?
    [ "$status" -eq 1 ] && ! grep -q 'cannot find the images' "$work/hack.log" ||
        fail "hack's options: $status $(cat "$work/hack.log")"
done
grep -q '</_description>' "$config" || fail "settings lack a description"
desktop=$prefix/share/applications/tyvok.desktop
for line in '[Desktop Entry]' Type=Application Name=Tyvok Exec=tyvok Icon=tyvok Terminal=false \
    StartupWMClass=Tyvok; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
# PNG signature, then the IHDR chunk's width and height: 128 x 128.
icon=$prefix/share/icons/hicolor/128x128/apps/tyvok.png
[ "$(od -An -tx1 -N8 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
[ "$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ')" = " 0 0 0 128 0 0 0 128" ] || fail "icon not 128x128"
man=$prefix/share/man/man6/tyvok.6.gz
gzip -t "$man" 2>/dev/null || fail "manual page not installed gzip-compressed"
if command -v groff >/dev/null; then
    warnings=$(gzip -dc "$man" | groff -man -Tutf8 -ww 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "manual page warnings: $warnings"
fi

# Prints, for one XWD screenshot, whether each of the first five glyph boxes of the message line
# (10 x 20 pixels, 9 apart, from x 10 and y 6) holds both lit and unlit pixels inside its edges.
# A font sheet that failed to load draws every glyph as a solid box: lit, with no unlit pixel.
glyph_boxes() {
    "$build/tools/tyvok_xwd_pixels" "$1" 0 7 60 18 |
        awk '{
            for (box = 0; box < 5; ++box)
                for (x = 11 + 9 * box; x < 19 + 9 * box; ++x) {
                    i = x * 3 + 1; sum = $i + $(i + 1) + $(i + 2)
                    if (sum >= 300) lit[box]++; else if (sum < 90) unlit[box]++
                }
        } END {
            for (box = 0; box < 5; ++box) printf "%s", (lit[box] >= 5 && unlit[box] >= 30) ? "g" : "-"
        }'
}

cd / || fail "cd /"
DISPLAY=$display "$hack" >"$work/tyvok.log" 2>&1 &
pid=$!
export DISPLAY=$display
timeout "$waitSeconds" xdotool search --sync --onlyvisible --name '^Tyvok$' >/dev/null ||
    fail "no Tyvok window appeared within $waitSeconds s: $(cat "$work/tyvok.log")"

# The start-up message stays for three seconds and a gear may pass behind it; should the check
# miss, l shows another message at the same place, over the black letterbox bar.
boxes=""
glyphsShown() {
    sleep 0.5
    xwd -root -silent >"$work/screen.xwd" || fail "xwd"
    boxes=$(glyph_boxes "$work/screen.xwd")
    [ "$boxes" = ggggg ] || ! xdotool key l
}
waitUntil glyphsShown || fail "no font glyphs in the message line (boxes: $boxes)"

xdotool key Escape
waitForExit "$pid"
status=$?
[ "$status" -ne 124 ] || fail "still running $waitSeconds s after Escape"
pid=""
[ "$status" -eq 0 ] || fail "exit status $status after Escape: $(cat "$work/tyvok.log")"

# Without its images' folder the launcher refuses to start the program.
mv "$prefix/share/tyvok" "$work/images"
"$prefix/bin/tyvok" >"$work/missing.log" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "launcher exit status $status without images"
grep -q "cannot find the images" "$work/missing.log" || fail "launcher gave no reason"
echo "installed, relocated, launched from / through XScreenSaver's link, glyphs drawn," \
    "Escape exit status 0"
