#!/usr/bin/env bash
# Installs what a build needs, builds what is missing and starts Tyvok with the images' folder
# as its working directory.
set -euo pipefail
cd "$(dirname "$0")"
tools/scripts/install-packages.sh g++ cmake make freeglut3-dev libglu1-mesa-dev
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build
fi
cmake --build build --target tyvok -j"$(nproc)"
cd data
exec ../build/tyvok
