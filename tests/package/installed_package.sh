#!/usr/bin/env bash
# `install`: builds the Debian package from the build folder and installs it, for the tests of
# the programs that run Tyvok from where the package puts it (MATE's saver, xsecurelock,
# XScreenSaver's settings dialog); `remove`: removes it again.
set -euo pipefail
folder=$TYVOK_BUILD/installed-package
case $1 in
install)
    rm -rf "$folder" && mkdir "$folder" && cd "$folder"
    cpack -G DEB --config "$TYVOK_BUILD/CPackConfig.cmake" >cpack.log || { cat cpack.log && exit 1; }
    dpkg -i tyvok_*.deb
    ;;
remove) dpkg -r tyvok ;;
esac
