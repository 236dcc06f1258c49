#!/usr/bin/env bash
# Installs what the tests need, builds, and runs every test through CTest: once as built for
# use, once more under AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails.
set -euo pipefail
cd "$(dirname "$0")"

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v xwd >/dev/null || missing+=(x11-apps)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# TYVOK_WERROR=ON (as continuous integration runs it) makes every compiler warning an error.
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTYVOK_WERROR="${TYVOK_WERROR:-OFF}")

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
