#!/usr/bin/env bash
# Installs what a build needs, builds what is missing and starts Tyvok with its images' folder
# and the arguments given.
set -euo pipefail
cd "$(dirname "$0")"
tools/scripts/install-packages.sh --build
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build
fi
cmake --build build --target tyvok -j"$(nproc)"
exec build/tyvok --images data "$@"
