#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test through CTest: once as built for
# use, once more under AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails.
set -euo pipefail
cd "$(dirname "$0")"

# The build's packages, then GoogleTest and libpng for the tests, Xvfb, xdotool and xwd for the
# window and end-to-end tests, the X fixes library that reads the cursor back, the XTest library
# that presses keys and moves the pointer as a user does, groff for the manual page, and for the
# Debian package dpkg-dev (dpkg-shlibdeps, dpkg-deb), file (which CPack uses to find programs) and
# lintian, and desktop-file-utils for its two desktop entries; for the hosts' end-to-end tests
# Xlib's headers, xprop and xwininfo, xrdb (the desktop's Xft.dpi), pgrep, openbox and
# XScreenSaver's daemon; for the other programs that run the installed package, MATE's saver with
# gsettings and a D-Bus daemon, and xsecurelock; the locales for the settings dialog's test in a
# decimal-comma locale; for the Wayland tests sway (their compositor), grim (its screenshots),
# wtype (keys), weston (an ordinary client window, weston-terminal, and a second compositor),
# wayland-utils (wayland-info, what a compositor offers) and jq (to read sway's tree).
tools/scripts/install-packages.sh --build libgtest-dev libpng-dev xvfb xdotool x11-apps \
    libxfixes-dev libxtst-dev groff-base dpkg-dev file lintian desktop-file-utils \
    libx11-dev x11-utils x11-xserver-utils procps openbox xscreensaver \
    mate-screensaver libglib2.0-bin dbus xsecurelock locales \
    sway grim wtype weston wayland-utils jq
# That test's locale, generated once (through sudo unless root, as the packages).
if ! locale -a | grep -qx de_DE.utf8; then
    $([ "$(id -u)" -eq 0 ] || echo sudo) localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# TYVOK_WERROR=ON (as continuous integration runs it) makes every compiler warning an error.
options=(-DBUILD_TESTING=ON -DTYVOK_WERROR="${TYVOK_WERROR:-OFF}")

cmake -S . -B build "${options[@]}"
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-sanitize "${options[@]}" -DTYVOK_SANITIZE=ON -DTYVOK_BENCHMARKS=OFF
cmake --build build-sanitize -j"$(nproc)"
# Leaks are checked too, except for the memory that the OpenGL driver keeps for good. The
# software renderer draws on the calling thread alone: LeakSanitizer's check at exit, which
# stops every other thread, then has none to stop (with the renderer's threads it crashed now
# and then).
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/tests/sanitize/lsan.supp:print_suppressions=0" \
    LP_NUM_THREADS=0 ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
