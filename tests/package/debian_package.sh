#!/usr/bin/env bash
# Builds the Debian package from the build folder: it carries the files that users need, each
# with its mode (the program, its launcher and XScreenSaver's link to it, the images, the
# settings, the menu and screen savers' entries, the icon, the manual page and the copyright),
# depends on the libraries it needs; desktop-file-validate passes both entries, and lintian,
# which reads the control fields, the manual page, the menu's entry and the metadata, finds no
# error and no warning.
source "$(dirname "$0")/../support/e2e.sh"
(cd "$work" && cpack -G DEB --config "$TYVOK_BUILD/CPackConfig.cmake" >cpack.log 2>&1) ||
    { cat "$work/cpack.log" && fail "cpack -G DEB" && finish; }
deb=$(ls "$work"/tyvok_*.deb)
dpkg-deb -c "$deb" | awk '{entry = $1; for (i = 6; i <= NF; ++i) entry = entry " " $i; print entry}' \
    >"$work/files"
files=($(sed 's|^|tyvok/|' "$TYVOK_BUILD/image_files.txt") xscreensaver/config/tyvok.xml
    applications/tyvok.desktop applications/screensavers/tyvok.desktop
    icons/hicolor/128x128/apps/tyvok.png man/man6/tyvok.6.gz
    metainfo/org.tyvok.Tyvok.metainfo.xml doc/tyvok/copyright)
for entry in '-rwxr-xr-x ./usr/bin/tyvok' '-rwxr-xr-x ./usr/libexec/tyvok/tyvok' \
    'lrwxrwxrwx ./usr/libexec/xscreensaver/tyvok -> ../../bin/tyvok' \
    "${files[@]/#/-rw-r--r-- ./usr/share/}"; do
    grep -qxF -- "$entry" "$work/files" || fail "package lacks '$entry'"
done
# The libraries it links, Wayland's among them, and libdecor's plugin, which it loads.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libdecor-0-plugin-1-cairo libdecor-0-0 libwayland-client0 libxkbcommon0 libegl1 \
    libglut3.12; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "the package does not depend on $package"
done
desktop-file-validate "$root"/packaging/tyvok{,-screensaver}.desktop || fail "desktop-file-validate"
# Informational notes are shown, not counted.
lintian $([ "$(id -u)" -ne 0 ] || echo --allow-root) "$deb" >"$work/lintian" 2>&1
cat "$work/lintian"
grep -q '^[EW]: ' "$work/lintian" && fail "lintian reports errors or warnings"
finish
