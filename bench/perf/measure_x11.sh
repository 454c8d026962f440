#!/usr/bin/env bash
# Measures the native X11 program beside a minimal program of its kind, one
# after the other on one virtual X display: CPU milliseconds per second of
# wall time, resident memory, and the time from process start to its first
# text on the screen (when each prints its first line), and the ratios.
# Usage: bench/perf/measure_x11.sh [seconds]   (default 30)
set -u
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
SECONDS_TO_RUN="${1:-30}"
BIN="$ROOT/build/linux"
cmake --build "$BIN" --target ostrel minimal_saver_x11 >&2 || exit 1
WORK=$(mktemp -d /tmp/ostrel-perf.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$WORK"
}
trap cleanup EXIT

n=$(for d in $(seq 200 249); do [ -e "/tmp/.X11-unix/X$d" ] || { echo "$d"; break; }; done)
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
export XDG_CONFIG_HOME="$WORK/config"

# Nanoseconds the process has run on a processor.
run_ns() { awk '{print $1}' "/proc/$1/schedstat" 2>/dev/null || echo 0; }
now_ns() { date +%s%N; }

# Prints "cpu_ms_per_s rss_kb first_text_ms" for one program.
measure() {
    local fifo="$WORK/out-$1"
    shift
    mkfifo "$fifo"
    local start
    start=$(now_ns)
    "$@" >"$fifo" 2>/dev/null &
    local pid=$!
    pids+=("$pid")
    exec 3<"$fifo"
    local line first
    read -r -t 10 line <&3
    first=$((($(now_ns) - start) / 1000000))
    cat <&3 >/dev/null &
    pids+=($!)
    local cpu0 t0 cpu1 t1 rss
    cpu0=$(run_ns "$pid")
    t0=$(now_ns)
    sleep "$SECONDS_TO_RUN"
    cpu1=$(run_ns "$pid")
    t1=$(now_ns)
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null
    exec 3<&-
    awk -v c=$((cpu1 - cpu0)) -v t=$((t1 - t0)) -v r="$rss" -v f="$first" \
        'BEGIN { printf "%.2f %d %d\n", c / 1e6 / (t / 1e9), r, f }'
}

read -r ostrel_cpu ostrel_rss ostrel_first < <(measure ostrel "$BIN/ostrel" -root -print-text)
read -r minimal_cpu minimal_rss minimal_first < <(measure minimal "$BIN/minimal_saver_x11")
printf '%-18s %12s %10s %18s\n' program "CPU ms/s" "RSS kB" "start-to-text ms"
printf '%-18s %12s %10s %18s\n' ostrel "$ostrel_cpu" "$ostrel_rss" "$ostrel_first"
printf '%-18s %12s %10s %18s\n' minimal_saver_x11 "$minimal_cpu" "$minimal_rss" "$minimal_first"
awk -v a="$ostrel_cpu" -v b="$minimal_cpu" -v c="$ostrel_rss" -v d="$minimal_rss" \
    'BEGIN { printf "ratio: CPU %.2f (target at most 1.3), RSS %.2f\n", (b > 0 ? a / b : 0), (d > 0 ? c / d : 0) }'
