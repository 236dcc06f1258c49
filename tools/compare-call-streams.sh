#!/usr/bin/env bash
# Records the OpenGL calls of the scripted run (tools/call_stream_driver.cpp) on two revisions
# and compares them, pointer values aside. Usage: tools/compare-call-streams.sh BASE [OTHER]
# where OTHER defaults to the working tree. Installs apitrace and Xvfb when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
base=$1
other=${2:-}
work=$(mktemp -d /tmp/tyvok-calls-XXXXXX)
trap '"$root/tests/support/xvfb.sh" stop "$work/xvfb"' EXIT

"$root/tools/install-packages.sh" apitrace xvfb

# Unpacks a revision into $work/$2; an empty revision is the working tree as it stands.
checkout() {
    mkdir -p "$work/$2"
    if [ -z "$1" ]; then
        git -C "$root" ls-files -z --cached --others --exclude-standard | (cd "$root" && xargs -0 tar -cf -) | tar -xf - -C "$work/$2"
    else
        git -C "$root" archive "$1" | tar -xf - -C "$work/$2"
    fi
}

# Builds the program library of the tree in $work/$1, links the driver to it and records the run.
record() {
    local tree=$work/$1
    cmake -S "$tree" -B "$tree/build" -DTYVOK_BENCHMARKS=OFF >/dev/null
    cmake --build "$tree/build" --target tyvok_core -j"$(nproc)" >/dev/null
    g++ -std=c++17 -O1 -I"$tree/src" "$root/tools/call_stream_driver.cpp" \
        "$tree/build/libtyvok_core.a" -lglut -lGLU -lGL -lX11 -lm -ldl -o "$tree/driver"
    (cd "$tree/data" && apitrace trace --api gl -o "$work/$1.trace" "$tree/driver" >/dev/null 2>&1)
    apitrace dump --color=never "$work/$1.trace" |
        sed -E '/^\/\/ process\.name/d; s/^[0-9]+ //; s/0x[0-9a-f]+/0x?/g; s/(draw|read) = [0-9]+/\1 = ?/g' >"$work/$1.calls"
}

checkout "$base" base
checkout "$other" other
"$root/tests/support/xvfb.sh" start "$work/xvfb" >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY
record base
record other

calls=$(grep -c '^gl' "$work/base.calls" || true)
# An empty stream (a driver that drew nothing) would compare equal to another empty one.
if [ "$calls" -eq 0 ]; then
    echo "no OpenGL calls recorded from the base (dumps in $work)"
    exit 1
fi
if cmp -s "$work/base.calls" "$work/other.calls"; then
    echo "identical: $calls OpenGL calls (dumps in $work)"
else
    diff "$work/base.calls" "$work/other.calls" | head -40
    echo "DIFFERENT: $calls calls in the base's stream (dumps in $work)"
    exit 1
fi
