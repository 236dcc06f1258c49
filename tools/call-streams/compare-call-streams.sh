#!/usr/bin/env bash
# Records the OpenGL calls of a scripted run of the real executable on two revisions and
# compares them, pointer values aside.
# Usage: tools/call-streams/compare-call-streams.sh BASE [OTHER], where OTHER defaults to the
# working tree. A library built from tools/call-streams/ is preloaded into the program: it keeps
# the callbacks the program registers with GLUT and, in place of GLUT's main loop, drives them
# through a fixed script (script.cpp) on a synthetic clock, which also fixes the random seed's
# base (monotonic_clock.cpp).
# Only gl... calls are compared: window-system calls (glX...) may differ between revisions.
# Installs what the builds, apitrace and Xvfb need when it is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
base=$1
other=${2:-}
work=$(mktemp -d /tmp/tyvok-calls-XXXXXX)
trap '"$root/tools/measure/xvfb.sh" stop "$work/xvfb"' EXIT

"$root/tools/scripts/install-packages.sh" --build apitrace xvfb

# Unpacks a revision into $work/$2; an empty revision is the working tree as it stands.
checkout() {
    mkdir -p "$work/$2"
    if [ -z "$1" ]; then
        git -C "$root" ls-files -z --cached --others --exclude-standard | (cd "$root" && xargs -0 tar -cf -) | tar -xf - -C "$work/$2"
    else
        git -C "$root" archive "$1" | tar -xf - -C "$work/$2"
    fi
}

# Builds the executable of the tree in $work/$1 and records the scripted run in its data folder.
# apitrace puts its own wrapper in LD_PRELOAD; the script's library joins it in the program
# alone, not in apitrace's own process.
record() {
    local tree=$work/$1 status=0
    if ! { cmake -S "$tree" -B "$tree/build" -DTYVOK_BENCHMARKS=OFF &&
        cmake --build "$tree/build" --target tyvok -j"$(nproc)"; } >"$work/$1-build.log" 2>&1; then
        tail -30 "$work/$1-build.log" >&2
        echo "the $1 revision did not build (log in $work)" >&2
        exit 1
    fi
    (cd "$tree/data" && apitrace trace --api gl -o "$work/$1.trace" \
        sh -c 'LD_PRELOAD="$LD_PRELOAD:$0" exec "$1"' "$work/scripted_run.so" "$tree/build/tyvok" \
        >"$work/$1.log" 2>&1) || status=$?
    if [ "$status" -ne 0 ]; then
        grep -v '^apitrace: ' "$work/$1.log" >&2 || true
        echo "the scripted run of the $1 revision failed (exit status $status; log in $work)" >&2
        exit 1
    fi
    apitrace dump --color=never "$work/$1.trace" |
        sed -E 's/^[0-9]+ //; s/0x[0-9a-f]+/0x?/g' | grep -E '^gl' | grep -Ev '^glX' >"$work/$1.calls" || true
}

. "$root/tools/measure/wait.sh"
g++ -std=c++17 -O1 -shared -fPIC -o "$work/scripted_run.so" -DTYVOK_WAIT_SECONDS="$waitSeconds" \
    -I"$root/tools/measure" "$here"/*.cpp -lglut -ldl
checkout "$base" base
checkout "$other" other
"$root/tools/measure/xvfb.sh" start "$work/xvfb" >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY
unset WAYLAND_DISPLAY # the program on that display, also when run on a Wayland desktop
record base
record other

calls=$(wc -l <"$work/base.calls")
# An empty stream (a run that drew nothing) would compare equal to another empty one.
if [ "$calls" -eq 0 ]; then
    echo "no OpenGL calls recorded from the base (dumps in $work)"
    exit 1
fi
if cmp -s "$work/base.calls" "$work/other.calls"; then
    echo "identical: $calls OpenGL calls (dumps in $work)"
else
    # The whole difference goes to a file: a pipe into head would end diff early, and with it
    # the script, before the verdict.
    diff "$work/base.calls" "$work/other.calls" >"$work/calls.diff" || true
    head -40 "$work/calls.diff"
    echo "DIFFERENT: $calls calls in the base's stream (dumps and calls.diff in $work)"
    exit 1
fi
