#!/usr/bin/env bash
# Measures the running saver under Wine beside a minimal program of its kind:
# CPU time per second of wall time over a run, with the default settings and
# with the network line off, the time from process start to the first painted
# text, the pixels painted per tick, and what the saver asked of the system
# per second.
# Usage: bench/perf/measure.sh [seconds]   (default 30)
set -u
OSTREL_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
export OSTREL_ROOT
# shellcheck source=tests/e2e/lib.sh
. "$OSTREL_ROOT/tests/e2e/lib.sh"
SECONDS_TO_RUN="${1:-30}"

# A measurement build of its own: only it counts what is painted.
MEASURE_BUILD="$OSTREL_ROOT/build/win64-measure"
[ -f "$MEASURE_BUILD/build.ninja" ] ||
    cmake -S "$OSTREL_ROOT" -B "$MEASURE_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$OSTREL_ROOT/cmake/mingw-w64.cmake" -DOSTREL_MEASURE_PAINTING=ON >/dev/null
cmake --build "$MEASURE_BUILD" --target ostrel minimal_saver >&2 || exit 1
trap stop_all EXIT
start_display 150 || exit 1
start_wine
reg_clear

# Nanoseconds all the process's threads have run on a processor: finer than
# the clock ticks of /proc/PID/stat, which at 100 a second round a short run
# to whole milliseconds per second.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%d\n", ns}'; }

# Runs one program in the virtual desktop and prints "cpu_ms_per_s first_text_ms ticks [pixels…]".
measure() {
    local exe="$1" pattern="$2" log="$OSTREL_ROOT/build/perf-$1.log"
    shift 2
    rm -f "$log"
    (cd "$MEASURE_BUILD" && OSTREL_PAINT_LOG="Z:${log//\//\\}" exec wine explorer /desktop=ostrel,1024x768 "$exe" "$@") >/dev/null 2>&1 &
    local pid="" i
    for i in $(seq 1 100); do
        pid=$(pgrep -f "^$pattern" | in_our_prefix | head -1)
        [ -n "$pid" ] && break
        sleep 0.1
    done
    [ -n "$pid" ] || { echo "did not start"; return; }
    sleep 2
    local c0 c1
    c0=$(cpu_ns "$pid")
    sleep "$SECONDS_TO_RUN"
    c1=$(cpu_ns "$pid")
    xdotool key Escape
    for i in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    stop_saver
    echo "cpu_ms_per_s $(awk -v n="$((c1 - c0))" -v s="$SECONDS_TO_RUN" 'BEGIN{printf "%.2f", n / 1e6 / s}')"
    cat "$log" 2>/dev/null
}

# The default lines without the network line (DisplayItems 0x47F less 0x40).
NO_NETWORK_ITEMS=$((0x47F & ~0x40))

echo "== minimal program"
minimal=$(measure minimal_saver.exe 'minimal_saver\.exe')
echo "$minimal"
echo "== ostrel.scr /S (default settings)"
saver=$(measure ostrel.scr 'ostrel\.scr' /S)
echo "$saver"
echo "== ostrel.scr /S (without the network line)"
reg_set DisplayItems=$NO_NETWORK_ITEMS
quiet=$(measure ostrel.scr 'ostrel\.scr' /S)
reg_clear
echo "$quiet"

val() { printf '%s\n' "$1" | awk -v k="$2" '$1 == k {print $2}'; }
awk -v a="$(val "$saver" cpu_ms_per_s)" -v b="$(val "$minimal" cpu_ms_per_s)" \
    -v q="$(val "$quiet" cpu_ms_per_s)" \
    -v c="$(val "$saver" first_text_ms)" -v d="$(val "$minimal" first_text_ms)" \
    -v t="$(val "$saver" ticks)" -v w="$(val "$saver" window_pixels)" -v p="$(val "$saver" panel_pixels)" 'BEGIN {
    printf "CPU ms/s: saver %s, saver without the network line %s, minimal %s\n", a, q, b
    if (b > 0) printf "CPU ratio saver/minimal: %.2f\n", a / b
    if (b > 0) printf "CPU ratio saver without the network line/minimal: %.2f\n", q / b
    if (d > 0) printf "start-to-text ratio saver/minimal: %.2f\n", c / d
    if (t > 0) printf "pixels painted per tick: window %.0f, panel %.0f (screen 786432)\n", w / t, p / t
}'
# What each run of the saver asked of the system per second of ticks: these
# counts do not depend on how busy the machine is. The saver ticks ten
# times a second.
for run in "default:$saver" "without the network line:$quiet"; do
    out=${run#*:}
    awk -v name="${run%%:*}" -v t="$(val "$out" ticks)" -v wp="$(val "$out" window_paints)" \
        -v pp="$(val "$out" panel_paints)" -v tm="$(val "$out" text_measures)" \
        -v it="$(val "$out" interface_table_calls)" -v tps=10 'BEGIN {
        if (t > 0) printf "per second (%s): interface table calls %.1f, text measurements %.1f, panel paints %.1f, window paints %.1f\n", name, it * tps / t, tm * tps / t, pp * tps / t, wp * tps / t
    }'
done
