#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its control fields, the files it
# must carry and what they say, its changelog, that lintian finds no error or warning, and that
# the desktop entry and AppStream metadata it carries pass their validators.
source "$(dirname "$0")/../support/e2e.sh"
(cd "$work" && cpack -G DEB --config "$TYVOK_BUILD/CPackConfig.cmake" >cpack.log 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
    finish
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$TYVOK_BUILD/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$work/tyvok_${version}_$arch.deb
[ -f "$deb" ] || { fail "no $(basename "$deb"): $(ls "$work")" && finish; }

field() { dpkg-deb -f "$deb" "$1"; }
for expected in "Package=tyvok" "Version=$version" "Architecture=$arch" Section=x11; do
    [ "$(field "${expected%%=*}")" = "${expected#*=}" ] || fail "not $expected"
done
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)'"
# The first line of the description is the synopsis, then an extended description.
synopsis="full-screen animation of turning gears in front of a star field"
[ "$(field Description | head -n1)" = "$synopsis" ] || fail "Description: $(field Description)"
grep -q '^ [^ .]' <(field Description | tail -n +2) || fail "no extended description"
# dpkg-shlibdeps: freeglut, the OpenGL and GLU libraries and the C++ runtime.
for library in 'libglut3.12 (>=' libopengl0 libglu1-mesa 'libstdc++6 (>='; do
    [[ $(field Depends) == *"$library"* ]] || fail "Depends lacks $library: $(field Depends)"
done

# Mode and path of each entry (and a link's target).
dpkg-deb -c "$deb" |
    awk '{entry = $1; for (i = 6; i <= NF; ++i) entry = entry " " $i; print entry}' >"$work/files"
files=(tyvok/font.bmp tyvok/monacolor128.bmp xscreensaver/config/tyvok.xml
    applications/tyvok.desktop icons/hicolor/128x128/apps/tyvok.png man/man6/tyvok.6.gz
    metainfo/org.tyvok.Tyvok.metainfo.xml doc/tyvok/copyright doc/tyvok/changelog.gz)
for entry in '-rwxr-xr-x ./usr/bin/tyvok' '-rwxr-xr-x ./usr/libexec/tyvok/tyvok' \
    'lrwxrwxrwx ./usr/libexec/xscreensaver/tyvok -> ../../bin/tyvok' \
    "${files[@]/#/-rw-r--r-- ./usr/share/}"; do
    grep -qxF -- "$entry" "$work/files" || fail "package lacks '$entry'"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
[ -s "$TYVOK_BUILD/image_files.txt" ] || fail "no list of image files in the build"
while read -r image; do
    cmp -s "$TYVOK_DATA/$image" "$root/usr/share/tyvok/$image" || fail "$image not packed"
done <"$TYVOK_BUILD/image_files.txt"
# A native package's changelog, its latest entry for this version.
gzip -dc "$root/usr/share/doc/tyvok/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "changelog's version"
grep -q 'Expat' "$root/usr/share/doc/tyvok/copyright" || fail "no licence in the copyright file"
desktop=$root/usr/share/applications/tyvok.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for line in Exec=tyvok Icon=tyvok StartupWMClass=Tyvok; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks $line"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/org.tyvok.Tyvok.metainfo.xml" ||
    fail "appstreamcli validate"
# PNG signature, then the IHDR chunk's width and height: 128 x 128.
[ "$(od -An -tx1 -N24 "$root/usr/share/icons/hicolor/128x128/apps/tyvok.png" | tr -d ' \n')" = \
    89504e470d0a1a0a0000000d494844520000008000000080 ] || fail "icon is not a 128 x 128 PNG"

# XScreenSaver's settings: the program's name, a description, and the command's and the slider's
# arguments at both ends of the slider (the parser's unit test shows that it takes them).
config=$root/usr/share/xscreensaver/config/tyvok.xml
grep -q '^<screensaver name="tyvok" _label="Tyvok">$' "$config" || fail "settings' name and label"
grep -q '</_description>' "$config" || fail "settings lack a description"
settings=$(sed -n -e 's/^ *<command arg="\([^"]*\)".*/\1/p' -e 's/.* arg="\(--max-fps\) %".*/\1/p' \
    -e 's/.* low="\([0-9]*\)" high="\([0-9]*\)".*/\1 \2/p' "$config" | tr '\n' ' ')
[ "$settings" = "--root --max-fps 10 60 " ] || fail "settings give '$settings'"

# lintian (which also reads the manual page for groff's warnings): no error and no warning;
# informational notes are shown, not counted.
allowRoot=()
[ "$(id -u)" -eq 0 ] && allowRoot=(--allow-root)
lintian "${allowRoot[@]}" "$deb" >"$work/lintian" 2>&1
cat "$work/lintian"
grep -q '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
finish
