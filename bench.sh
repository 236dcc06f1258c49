#!/usr/bin/env bash
# Measures Tyvok on a private Xvfb display of 1024 x 768: the cost of one frame per feature
# against a frame that only clears and swaps, then frame rate and start-up time against Mesa's
# glxgears, both counted by the same buffer-swap counter in alternated runs.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
runs=${BENCH_RUNS:-5}       # alternated runs of each program
skip=${BENCH_SKIP_SEC:-1}   # seconds after the first frame before counting starts
window=${BENCH_WINDOW_SEC:-4}

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v glxgears >/dev/null || missing+=(mesa-utils)
command -v glxinfo >/dev/null || missing+=(mesa-utils)
dpkg -s libbenchmark-dev >/dev/null 2>&1 || missing+=(libbenchmark-dev)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTYVOK_BENCHMARKS=ON >/dev/null
cmake --build build -j"$(nproc)" --target tyvok tyvok_bench swap_counter

work=$(mktemp -d)
cleanup() {
    tests/support/xvfb.sh stop "$work/xvfb" || true
    rm -rf "$work"
}
trap cleanup EXIT
tests/support/xvfb.sh start "$work/xvfb" >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY

echo "== Machine"
echo "cores: $(nproc)"
glxinfo -B | grep -E "OpenGL renderer string|OpenGL version string"
echo "display: Xvfb 1024x768x24"

echo
echo "== Frame cost"
build/bench/tyvok_bench --benchmark_color=false | tee "$work/frames.txt"

# Starts one program in `dir` with the swap counter, waits until the counter has written its
# figures, stops the program and prints "first_swap_ms fps cpu_ms_per_frame".
timed_run() {
    local out=$1 dir=$2
    shift 2
    rm -f "$out"
    local launch
    launch=$(date +%s%N)
    (cd "$dir" && SWAP_COUNT_FILE=$out SWAP_LAUNCH_NS=$launch SWAP_SKIP_SEC=$skip \
        SWAP_WINDOW_SEC=$window LD_PRELOAD=$root/build/bench/libswap_counter.so \
        exec "$@" >/dev/null 2>&1) &
    local pid=$!
    local limit=$(((skip + window + 15) * 10))
    for _ in $(seq "$limit"); do
        [ -s "$out" ] && break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -s "$out" ]; then
        awk '/^first_swap_ms/ {f = $2} /^fps/ {r = $2} /^cpu_ms/ {c = $2} END {print f, r, c}' "$out"
    else
        echo "nan nan nan"
    fi
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

echo
echo "== Peer comparison: $runs alternated runs each, frames counted over ${window} s after ${skip} s"
printf "%-4s %-9s %14s %10s %12s\n" run program first_frame_ms fps cpu_ms/frame
: >"$work/tyvok.txt"
: >"$work/glxgears.txt"
for i in $(seq "$runs"); do
    result=$(timed_run "$work/count" "$root/data" "$root/build/tyvok")
    echo "$result" >>"$work/tyvok.txt"
    printf "%-4s %-9s %14s %10s %12s\n" "$i" tyvok $result
    result=$(timed_run "$work/count" "$root" glxgears -fullscreen)
    echo "$result" >>"$work/glxgears.txt"
    printf "%-4s %-9s %14s %10s %12s\n" "$i" glxgears $result
done

column() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
tyvok_start=$(column tyvok 1) tyvok_fps=$(column tyvok 2) tyvok_cpu=$(column tyvok 3)
peer_start=$(column glxgears 1) peer_fps=$(column glxgears 2) peer_cpu=$(column glxgears 3)

# The frame table's wall-time and processor-time columns for one case.
frame_ms() { awk -v name="$1" 'index($0, name) == 1 {print $(NF - 5), $(NF - 2)}' "$work/frames.txt" | tail -n1; }
read -r limit_wall limit_cpu <<<"$(frame_ms "clear and swap (limit)")"
read -r default_wall default_cpu <<<"$(frame_ms "defaults ")"
read -r tess_wall tess_cpu <<<"$(frame_ms "tesselation 20")"
read -r help_wall help_cpu <<<"$(frame_ms "help screen")"

echo
echo "== Summary: ratios of medians; wall time, and processor time of the whole process"
awk -v tf="$tyvok_fps" -v pf="$peer_fps" -v tc="$tyvok_cpu" -v pc="$peer_cpu" \
    -v ts="$tyvok_start" -v ps="$peer_start" \
    -v lw="$limit_wall" -v lc="$limit_cpu" -v dw="$default_wall" -v dc="$default_cpu" \
    -v tw="$tess_wall" -v tcpu="$tess_cpu" -v hw="$help_wall" -v hc="$help_cpu" 'BEGIN {
    printf "%-40s %8s %8s %8s  %s\n", "measure", "wall", "cpu", "target", "figures (wall; cpu)"
    row("Tyvok fps / glxgears fps", tf / pf, pc / tc, ">= 1",
        sprintf("%.1f / %.1f fps; %.2f / %.2f cpu ms per frame", tf, pf, tc, pc))
    row("default frame / clear-and-swap frame", dw / lw, dc / lc, "<= 2.5",
        sprintf("%.2f / %.3f ms; %.2f / %.3f ms", dw, lw, dc, lc))
    row("tesselation 20 frame / default frame", tw / dw, tcpu / dc, "<= 1.5",
        sprintf("%.2f / %.2f ms; %.2f / %.2f ms", tw, dw, tcpu, dc))
    row("help screen frame / default frame", hw / dw, hc / dc, "<= 1.5",
        sprintf("%.2f / %.2f ms; %.2f / %.2f ms", hw, dw, hc, dc))
    row("start to first frame, Tyvok / glxgears", ts / ps, -1, "<= 1.2",
        sprintf("%.0f / %.0f ms", ts, ps))
}
function row(name, wall, cpu, target, figures) {
    printf "%-40s %8.2f %8s %8s  %s\n", name, wall, cpu < 0 ? "-" : sprintf("%.2f", cpu), target, figures
}'
