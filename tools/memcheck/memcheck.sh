#!/usr/bin/env bash
# Runs Tyvok under valgrind's memcheck for a few hundred frames on a small Xvfb screen, ends it
# with Escape, and fails on any invalid read or write, any use of undefined values, or any leak
# from the program's own code (the OpenGL driver's own memory is suppressed: memcheck.supp).
# Usage: tools/memcheck/memcheck.sh [frames, default 300]; TYVOK_MEMCHECK_EXTRA adds valgrind
# options (--gen-suppressions=all, say). Takes a few minutes: the renderer runs in software.
set -euo pipefail
cd "$(dirname "$0")/../.."
frames=${1:-300}
for tool in valgrind Xvfb xdotool c++; do
    command -v "$tool" >/dev/null || { echo "memcheck.sh needs $tool" >&2; exit 2; }
done
if [ ! -f build/CMakeCache.txt ]; then
    cmake -S . -B build
fi
cmake --build build --target tyvok -j"$(nproc)"

work=$(mktemp -d)
cleanup() {
    tools/measure/xvfb.sh stop "$work/xvfb"
    rm -rf "$work"
}
trap cleanup EXIT
# The tests' and the benchmark's swap counter counts the frames: one line per buffer swap.
c++ -std=c++17 -shared -fPIC -O2 -o "$work/swap_counter.so" tools/measure/swap_counter.cpp -ldl

tools/measure/xvfb.sh start "$work/xvfb" 320x240 >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY
unset WAYLAND_DISPLAY # the program on that display, also when run on a Wayland desktop

log=build/memcheck.log
(
    cd data
    SWAP_LOG="$work/frames" LD_PRELOAD="$work/swap_counter.so" \
        valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect,possible \
        --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=99 --keep-debuginfo=yes \
        --num-callers=40 ${TYVOK_MEMCHECK_EXTRA:-} --suppressions=../tools/memcheck/memcheck.supp --log-file="../$log" ../build/tyvok
) &
program=$!
frameCount() { count=$(wc -l 2>/dev/null <"$work/frames" || echo 0); }
count=0
started=$SECONDS
while kill -0 "$program" 2>/dev/null && [ "$count" -lt "$frames" ]; do
    sleep 2
    frameCount
    echo "frames: $count"
done
xdotool key Escape
status=0
wait "$program" || status=$?
frameCount
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost' "$log" || true
echo "frames drawn: $count in $((SECONDS - started)) s; valgrind's log: $log"
if [ "$status" -ne 0 ]; then
    echo "memcheck found a fault (exit status $status)" >&2
    exit 1
fi
if [ "$count" -lt "$frames" ]; then
    echo "memcheck: only $count of $frames frames drawn; the check is incomplete" >&2
    exit 1
fi
echo "memcheck: $count frames, no invalid access and no leak in the program's own code"
