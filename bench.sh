#!/usr/bin/env bash
# Measures Tyvok on a private Xvfb display of 1024 x 768: the cost of one frame per feature
# against a frame that only clears and swaps (the floor) and against the same picture drawn the
# leanest way (its limit), then frame rate and start-up time against Mesa's glxgears, both
# counted by the same buffer-swap counter in alternated runs, the frame rate and processor time
# of the real program at each frame limit (--max-fps), and last the Wayland host against the GLUT
# host, on a private headless sway beside the Xvfb display.
# Usage: ./bench.sh [frames] [peer] [pacing] [wayland]: those parts only (all four by default).
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
parts=" ${*:-frames peer pacing wayland} "
part() { [[ $parts == *" $1 "* ]]; }
runs=${BENCH_RUNS:-5}       # alternated runs of each program
skip=${BENCH_SKIP_SEC:-1}   # seconds after the first frame before counting starts
window=${BENCH_WINDOW_SEC:-4}
starts=${BENCH_STARTS:-10}  # further short alternated runs of each, for the start-up time

tools/scripts/install-packages.sh --build libbenchmark-dev xvfb mesa-utils sway

cmake -S . -B build -DTYVOK_BENCHMARKS=ON >/dev/null
while read -r image; do
    [ -f "data/$image" ] || echo "warning: data/$image is missing; figures will differ" >&2
done <build/image_files.txt
cmake --build build -j"$(nproc)" --target tyvok tyvok_bench swap_counter stepped_clock

work=$(mktemp -d)
cleanup() {
    tools/measure/xvfb.sh stop "$work/xvfb" || true
    tools/measure/sway.sh stop "$work/sway" || true
    rm -rf "$work"
}
trap cleanup EXIT
tools/measure/xvfb.sh start "$work/xvfb" >/dev/null
DISPLAY=$(cat "$work/xvfb/display")
export DISPLAY
unset WAYLAND_DISPLAY # the program on that display, also when run on a Wayland desktop

echo "== Machine"
echo "cores: $(nproc)"
glxinfo -B | grep -E "OpenGL renderer string|OpenGL version string"
echo "display: Xvfb 1024x768x24"

# Starts one program in `dir` with the swap counter, waits until its swaps span `skip` + `window`
# seconds from the first (a minute at most), stops it (SIGTERM, the same for every program) and
# prints "first_swap_ms first_swap_cpu_ms fps cpu_ms_per_frame cpu_per_second": start-up to the
# first swap, swaps a second and processor time over the window (the whole process's, the
# renderer's threads included; per frame and per second of wall time).
timed_run() {
    local skip=$1 window=$2 dir=$3
    shift 3
    local log=$work/swaps launch pid figures=""
    : >"$log"
    launch=$(date +%s%N)
    (cd "$dir" && SWAP_LOG=$log LD_PRELOAD=$root/build/preload/libswap_counter.so \
        exec "$@" >/dev/null 2>&1) &
    pid=$!
    for _ in $(seq 600); do
        sleep 0.1
        figures=$(awk -v launch="$launch" -v skip="$skip" -v window="$window" '
            NR == 1 { first = $1; firstCpu = $2 }
            { t = ($1 - first) / 1e9 }
            t >= skip && t < skip + window {
                if (!n++) { startWall = $1; startCpu = $2 }
                endWall = $1; endCpu = $2
            }
            t >= skip + window { done = 1 }
            END {
                if (done && n > 1)
                    printf "%.1f %.1f %.2f %.3f %.3f\n", (first - launch) / 1e6, firstCpu / 1e6,
                        n / window, (endCpu - startCpu) / 1e6 / (n - 1),
                        (endCpu - startCpu) / (endWall - startWall)
            }' "$log")
        [ -n "$figures" ] && break
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "${figures:-nan nan nan nan nan}"
}

median() { sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

if part frames; then
    echo
    echo "== Frame cost"
    # Every repetition's statistics go to build/bench-frames.txt; the summary table and the check
    # that each limit draws the program's picture are shown here.
    build/bench/tyvok_bench --benchmark_color=false >build/bench-frames.txt
    sed -n '/^Frame cost/,$p' build/bench-frames.txt | tee "$work/frames.txt"
fi

# BENCH_PICTURES_BEFORE=FOLDER (absolute, written by tyvok_bench --dump on an earlier build):
# this build's pictures of every case against those, with the reference test's tolerance.
if part frames && [ -n "${BENCH_PICTURES_BEFORE:-}" ]; then
        echo
        echo "== Pictures against $BENCH_PICTURES_BEFORE"
        mkdir -p "$work/pictures"
        build/bench/tyvok_bench --dump="$work/pictures" >/dev/null
        build/bench/tyvok_bench --compare="$BENCH_PICTURES_BEFORE,$work/pictures" || true
fi

# One run of each program, Tyvok first; appends to <program>.txt and prints the figures.
run_pair() {
    local label=$1 skip=$2 window=$3 result
    result=$(timed_run "$skip" "$window" "$root/data" "$root/build/tyvok")
    echo "$result" >>"$work/tyvok.txt"
    printf "%-8s %-9s %10s %10s %9s %12s\n" "$label" tyvok ${result% *}
    result=$(timed_run "$skip" "$window" "$root" glxgears -fullscreen)
    echo "$result" >>"$work/glxgears.txt"
    printf "%-8s %-9s %10s %10s %9s %12s\n" "$label" glxgears ${result% *}
}

if part peer; then
    echo
    echo "== Peer comparison: Tyvok's executable and glxgears -fullscreen, alternated"
    echo "   frame rate: $runs runs each, swaps counted over ${window} s from ${skip} s after the first"
    echo "   start-up: those runs and $starts short ones each; first frame = first buffer swap"
    printf "%-8s %-9s %10s %10s %9s %12s\n" run program first_ms first_cpu fps cpu_ms/frame
    : >"$work/tyvok.txt"
    : >"$work/glxgears.txt"
    for i in $(seq "$runs"); do run_pair "rate $i" "$skip" "$window"; done
    head -n "$runs" "$work/tyvok.txt" >"$work/tyvok-rate.txt"
    head -n "$runs" "$work/glxgears.txt" >"$work/glxgears-rate.txt"
    for i in $(seq "$starts"); do run_pair "start $i" 0 0.1 >/dev/null; done

    column() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
    tyvok_start=$(column tyvok 1) tyvok_start_cpu=$(column tyvok 2)
    peer_start=$(column glxgears 1) peer_start_cpu=$(column glxgears 2)
    tyvok_fps=$(column tyvok-rate 3) tyvok_cpu=$(column tyvok-rate 4)
    peer_fps=$(column glxgears-rate 3) peer_cpu=$(column glxgears-rate 4)
    echo "start-up over $((runs + starts)) runs each, median: Tyvok $tyvok_start ms ($tyvok_start_cpu ms" \
        "processor), glxgears $peer_start ms ($peer_start_cpu ms processor)"
fi

if part frames && part peer; then
    # The frame table's rows: the case's name, then ten figures (wall ms, limit ms, x floor, x limit,
    # x dflt, then the same by processor time); the floor has '-' for its limit.
    frame_rows() { awk 'NF > 10 && $(NF - 9) ~ /^[0-9.]+$/' "$work/frames.txt" | sed -n '/^clear and swap/,$p'; }
    # The wall-time and processor-time columns for one case.
    frame_ms() { frame_rows | awk -v name="$1" 'index($0, name " ") == 1 {print $(NF - 9), $(NF - 4)}' | head -n1; }
    read -r floor_wall floor_cpu <<<"$(frame_ms "clear and swap (floor)")"
    read -r default_wall default_cpu <<<"$(frame_ms "defaults")"
    read -r tess_wall tess_cpu <<<"$(frame_ms "tesselation 20")"
    read -r lines_wall lines_cpu <<<"$(frame_ms "lines")"
    read -r help_wall help_cpu <<<"$(frame_ms "help screen")"
    # The case farthest from its own limit, by wall time and by processor time: "ratio name".
    farthest() { frame_rows | awk -v col="$1" '$(NF - col) != "-" {name = $1; for (i = 2; i <= NF - 10; ++i) name = name " " $i;
        if ($(NF - col) > worst) {worst = $(NF - col); worst_name = name}} END {print worst, worst_name}'; }
    read -r far_wall far_wall_name <<<"$(farthest 6)"
    read -r far_cpu far_cpu_name <<<"$(farthest 1)"
    pictures_passed=$(grep -c ' PASS$' "$work/frames.txt" || true)
    pictures_checked=$(grep -cE ' (PASS|FAIL)$| FAIL \(' "$work/frames.txt" || true)

    echo
    echo "== Summary: ratios of medians, by wall time and by processor time of the whole process"
    awk -v tf="$tyvok_fps" -v pf="$peer_fps" -v tc="$tyvok_cpu" -v pc="$peer_cpu" \
        -v ts="$tyvok_start" -v ps="$peer_start" -v tsc="$tyvok_start_cpu" -v psc="$peer_start_cpu" \
        -v lw="$floor_wall" -v lc="$floor_cpu" -v dw="$default_wall" -v dc="$default_cpu" \
        -v tw="$tess_wall" -v tcpu="$tess_cpu" -v hw="$help_wall" -v hc="$help_cpu" \
        -v nw="$lines_wall" -v nc="$lines_cpu" -v fw="$far_wall" -v fwn="$far_wall_name" \
        -v fc="$far_cpu" -v fcn="$far_cpu_name" -v pp="$pictures_passed" -v pn="$pictures_checked" 'BEGIN {
        printf "%-40s %7s %7s %7s  %s\n", "measure", "wall", "cpu", "target", "figures (wall; cpu)"
        row("Tyvok fps / glxgears fps", tf / pf, pc / tc, ">= 1",
            sprintf("%.1f / %.1f fps; %.2f / %.2f ms per frame", tf, pf, tc, pc))
        row("default frame / clear-and-swap frame", dw / lw, dc / lc, "<= 2.5",
            sprintf("%.2f / %.3f ms; %.2f / %.3f ms", dw, lw, dc, lc))
        row("tesselation 20 frame / default frame", tw / dw, tcpu / dc, "<= 1.5",
            sprintf("%.2f / %.2f ms; %.2f / %.2f ms", tw, dw, tcpu, dc))
        row("help screen frame / default frame", hw / dw, hc / dc, "<= 1.5",
            sprintf("%.2f / %.2f ms; %.2f / %.2f ms", hw, dw, hc, dc))
        row("lines frame / default frame", nw / dw, nc / dc, "<= 1.8",
            sprintf("%.2f / %.2f ms; %.2f / %.2f ms", nw, dw, nc, dc))
        row("farthest case / its own picture limit", fw, fc, "<= 1.1",
            sprintf("%s; %s", fwn, fcn))
        row("start to first frame, Tyvok / glxgears", ts / ps, tsc / psc, "<= 1.2",
            sprintf("%.0f / %.0f ms; %.0f / %.0f ms", ts, ps, tsc, psc))
        printf "limit pictures within the reference tolerance of the program'"'"'s: %d of %d\n", pp, pn
    }
    function row(name, wall, cpu, target, figures) {
        printf "%-40s %7.2f %7.2f %7s  %s\n", name, wall, cpu, target, figures
    }'
fi

if part pacing; then
    echo
    echo "== Frame pacing: the default picture full screen at each frame limit (0: none), and on the"
    echo "   root window in the X-window host at its default (30); swaps counted over ${window} s from"
    echo "   ${skip} s after the first; processor time of the whole process; medians of $runs runs"
    cases=("--max-fps 30" "--max-fps 60" "--max-fps 0" "--root")
    for i in $(seq "$runs"); do
        for c in "${!cases[@]}"; do
            # shellcheck disable=SC2086 # each case is a list of options
            timed_run "$skip" "$window" "$root/data" "$root/build/tyvok" ${cases[$c]} >>"$work/pacing$c.txt"
        done
    done
    echo "| options | frames a second | processor s a second | processor ms a frame |"
    echo "|---|---:|---:|---:|"
    for c in "${!cases[@]}"; do
        fps=$(cut -d' ' -f3 "$work/pacing$c.txt" | median)
        perFrame=$(cut -d' ' -f4 "$work/pacing$c.txt" | median)
        perSecond=$(cut -d' ' -f5 "$work/pacing$c.txt" | median)
        printf "| \`%s\` | %.1f | %.3f | %.2f |\n" "${cases[$c]}" "$fps" "$perSecond" "$perFrame"
    done
fi

if part wayland; then
    echo
    echo "== The Wayland host against the GLUT host: the default picture full screen at"
    echo "   1024 x 768, --max-fps 30 in both (the Wayland host also follows sway's 60 Hz), and on"
    echo "   the background layer at its default of 30; then the window and the layer drawing the"
    echo "   same frames, on the stepped clock (16 ms a frame), without a limit; alternated, swaps"
    echo "   counted over ${window} s from ${skip} s after the first; processor time of the whole"
    echo "   process; medians of $runs runs"
    chmod 755 "$work" # sway's user, nobody, reaches its runtime folder in here
    tools/measure/sway.sh start "$work/sway" >/dev/null
    wayland=(env -u DISPLAY $(sed 's/^export //' "$work/sway/environment"))
    preload=$root/build/preload
    stepped=(env LD_PRELOAD="$preload/libstepped_clock.so:$preload/libswap_counter.so")
    hosts=("GLUT on Xvfb" "Wayland window" "Wayland layer" "Wayland window, same frames"
        "Wayland layer, same frames")
    cases=("--max-fps 30" "--max-fps 30" "--layer background" "--max-fps 0"
        "--layer background --max-fps 0")
    for i in $(seq "$runs"); do
        for c in "${!cases[@]}"; do
            command=("$root/build/tyvok")
            [ "$c" -lt 3 ] || command=("${stepped[@]}" "${command[@]}")
            [ "$c" -eq 0 ] || command=("${wayland[@]}" "${command[@]}")
            # shellcheck disable=SC2086 # each case is a list of options
            timed_run "$skip" "$window" "$root/data" "${command[@]}" ${cases[$c]} \
                >>"$work/hosts$c.txt"
        done
    done
    echo "| host | options | frames a second | processor ms a frame | × GLUT | × window |"
    echo "|---|---|---:|---:|---:|---:|"
    column() { cut -d' ' -f"$2" "$work/hosts$1.txt" | median; }
    # ratio C OTHER: case C's processor time a frame against case OTHER's.
    ratio() {
        awk -v a="$(column "$1" 4)" -v b="$(column "$2" 4)" 'BEGIN { printf "%.2f", a / b }'
    }
    for c in "${!cases[@]}"; do
        # A layer against the window that draws as it does (the case before).
        againstWindow=-
        [ "$c" -ne 2 ] && [ "$c" -ne 4 ] || againstWindow=$(ratio "$c" $((c - 1)))
        printf "| %s | \`%s\` | %.1f | %.2f | %s | %s |\n" "${hosts[$c]}" "${cases[$c]}" \
            "$(column "$c" 3)" "$(column "$c" 4)" "$(ratio "$c" 0)" "$againstWindow"
    done
fi
