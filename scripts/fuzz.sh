#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang-14 (in build/fuzz) and
# runs each for the given seconds from a scratch copy of its seed corpus, so
# that the committed corpus does not grow. Prints the executions of each
# harness; exits non-zero when any harness fails a property, crashes or
# hangs, keeping the input that did it in build/fuzz/crashes/.
# Usage: scripts/fuzz.sh [seconds] [harness ...]   (default: 60, every harness)
#        FUZZ_RUNS=N scripts/fuzz.sh               N executions each instead
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT" || exit 1

seconds="${1:-60}"
[ $# -gt 0 ] && shift
if [ $# -gt 0 ]; then
    harnesses="$*"
else
    # The Linux readers' harnesses have a build of their own (scripts/fuzz_linux.sh).
    harnesses=$(for f in fuzz/*_fuzzer.cpp; do
        case "$f" in fuzz/linux_*) ;; *) basename "$f" _fuzzer.cpp ;; esac
    done)
fi

scripts/install_packages.sh cmake ninja-build clang-14 libclang-rt-14-dev || exit 1
if [ ! -f build/fuzz/build.ninja ]; then
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_FUZZ=ON >/dev/null || exit 1
fi
targets=""
for h in $harnesses; do
    targets="$targets ${h}_fuzzer"
done
# shellcheck disable=SC2086
cmake --build build/fuzz --target $targets >&2 || exit 1

mkdir -p build/fuzz/crashes build/fuzz/logs
if [ -n "${FUZZ_RUNS:-}" ]; then
    limit="-runs=$FUZZ_RUNS"
else
    limit="-max_total_time=$seconds"
fi
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"

failed=0
for h in $harnesses; do
    work=$(mktemp -d)
    cp fuzz/corpus/"$h"/* "$work"/
    log="build/fuzz/logs/$h.log"
    start=$(date +%s%N)
    # One input takes well under a millisecond; one that takes seconds is a
    # reader that loops, found even within a run of a few seconds.
    build/fuzz/fuzz/"${h}_fuzzer" "$limit" -timeout=3 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/crashes/$h-" "$work" >"$log" 2>&1
    rc=$?
    tenths=$((($(date +%s%N) - start) / 100000000))
    took="$((tenths / 10)).$((tenths % 10))"
    rm -rf "$work"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    # A run that stopped early has no final statistics: its last status line
    # tells how far it got.
    [ -n "$runs" ] || runs=$(sed -n 's/^#\([0-9][0-9]*\).*/\1/p' "$log" | tail -1)
    if [ "$rc" = 0 ]; then
        printf 'fuzz %s: %s executions in %s s, no failure\n' "$h" "${runs:-0}" "$took"
    else
        failed=1
        grep -E 'property failed|ERROR: |runtime error|SUMMARY|Test unit written' "$log" >&2
        printf 'fuzz %s: FAILED after %s executions in %s s (log: %s)\n' \
            "$h" "${runs:-0}" "$took" "$log"
    fi
done
exit "$failed"
