#!/usr/bin/env bash
# Redraws the window tests' reference picture and the README screenshot made from it, after a
# deliberate change of the program's look. Usage: tools/pictures/update-reference.sh [build folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}

cmake -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" --target tyvok_window_tests tyvok_to_png -j2
"$root/tools/measure/xvfb.sh" start "$build/xvfb"
trap '"$root/tools/measure/xvfb.sh" stop "$build/xvfb"' EXIT
TYVOK_UPDATE_REFERENCE=1 "$build/tests/tyvok_window_tests" --gtest_filter='ReferenceFrame.*'

mkdir -p "$root/docs"
"$build/tools/tyvok_to_png" --half "$root/tests/reference/default_frame.png" "$root/docs/screenshot.png"
echo "Redrawn: tests/reference/default_frame.png and docs/screenshot.png. Look at them, then commit."
