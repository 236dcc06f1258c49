#!/usr/bin/env bash
# Installs whichever of the given Debian packages are missing, with apt (through sudo unless
# root). Usage: tools/scripts/install-packages.sh [--build] package..., where --build stands for
# what a build of the program needs.
set -euo pipefail
# The compiler and CMake, with pkg-config, which finds Wayland's libraries; freeglut and GLU for
# the GLUT host; Wayland's client libraries and protocols, xkbcommon, EGL and libdecor for the
# Wayland host, with libdecor's one plugin, which draws the window's frame where the compositor
# draws none (libdecor only recommends it, and loads it at run time).
build=(g++ cmake make pkg-config freeglut3-dev libglu1-mesa-dev libwayland-dev wayland-protocols
    libxkbcommon-dev libegl-dev libdecor-0-dev libdecor-0-plugin-1-cairo)
packages=()
for argument in "$@"; do
    if [ "$argument" = --build ]; then packages+=("${build[@]}"); else packages+=("$argument"); fi
done
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
