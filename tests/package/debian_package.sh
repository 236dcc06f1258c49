#!/usr/bin/env bash
# Builds the Debian package from the build folder and checks its control fields, the files it
# must carry, its changelog, that lintian finds no error or warning, and that the desktop entry
# and AppStream metadata it carries pass their validators.
# Argument: the build folder.
set -uo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >cpack.log 2>&1) || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
deb=$work/tyvok_${version}_$arch.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work")"

field() { dpkg-deb -f "$deb" "$1"; }
expect() { [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', expected '$2'"; }
expect Package tyvok
expect Version "$version"
expect Architecture "$arch"
expect Section x11
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer '$(field Maintainer)'"
# The first line of the description is the synopsis, then an extended description.
[ "$(field Description | head -n1)" = "full-screen animation of turning gears in front of a star field" ] ||
    fail "Description synopsis '$(field Description | head -n1)'"
grep -q '^ [^ .]' <(field Description | tail -n +2) || fail "no extended description"
# dpkg-shlibdeps: freeglut, the OpenGL and GLU libraries and the C++ runtime.
depends=$(field Depends)
for library in 'libglut3.12 (>=' libopengl0 libglu1-mesa 'libstdc++6 (>='; do
    [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

# Mode and path of each entry (and a link's target).
dpkg-deb -c "$deb" |
    awk '{entry = $1; for (i = 6; i <= NF; ++i) entry = entry " " $i; print entry}' >"$work/files"
for entry in '-rwxr-xr-x ./usr/bin/tyvok' '-rwxr-xr-x ./usr/libexec/tyvok/tyvok' \
    'lrwxrwxrwx ./usr/libexec/xscreensaver/tyvok -> ../../bin/tyvok' \
    '-rw-r--r-- ./usr/share/tyvok/font.bmp' '-rw-r--r-- ./usr/share/tyvok/monacolor128.bmp' \
    '-rw-r--r-- ./usr/share/xscreensaver/config/tyvok.xml' \
    '-rw-r--r-- ./usr/share/applications/tyvok.desktop' \
    '-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/tyvok.png' \
    '-rw-r--r-- ./usr/share/man/man6/tyvok.6.gz' \
    '-rw-r--r-- ./usr/share/metainfo/org.tyvok.Tyvok.metainfo.xml' \
    '-rw-r--r-- ./usr/share/doc/tyvok/copyright' '-rw-r--r-- ./usr/share/doc/tyvok/changelog.gz'; do
    grep -qxF -- "$entry" "$work/files" || fail "package lacks '$entry'"
done

dpkg-deb -x "$deb" "$work/root"
# A native package's changelog, its latest entry for this version.
gzip -dc "$work/root/usr/share/doc/tyvok/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
    fail "changelog's version"
desktop-file-validate "$work/root/usr/share/applications/tyvok.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/org.tyvok.Tyvok.metainfo.xml" ||
    fail "appstreamcli validate"
# The launcher in the package finds the program and the images where the package puts them.
grep -q '/../libexec/tyvok/tyvok' "$work/root/usr/bin/tyvok" || fail "launcher's program path"

# lintian: no error and no warning (informational notes are shown, not counted).
allowRoot=()
[ "$(id -u)" -eq 0 ] && allowRoot=(--allow-root)
lintian "${allowRoot[@]}" "$deb" >"$work/lintian" 2>&1
cat "$work/lintian"
grep -q '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
echo "$(basename "$deb"): control fields, files, changelog, lintian and both validators pass"
