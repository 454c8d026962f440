#!/usr/bin/env bash
# Builds every way and runs every test: the unit tests natively (plain and
# under AddressSanitizer and UBSan), a short run of each fuzz harness, the
# end-to-end tests under Wine, and those of the native X11 program on Xvfb.
# Ends with one line "N passed, N failed".
set -u
ROOT="$(cd "$(dirname "$0")" && pwd)"
cd "$ROOT"

if ! scripts/setup.sh; then
    echo "0 passed, 1 failed"
    exit 1
fi

passed=0
failed=0

# A check that is one test: it passes or fails as a whole.
check() {
    if "$@" >&2; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
    fi
}

# Includes run downward through the layers only.
check scripts/check_layers.sh
# No variable of static storage holds state, in the core or either front end.
check scripts/check_globals.sh
# Two builds of the same tree give the same ostrel.scr.
check scripts/check_reproducible.sh

# Adds the counts of one GoogleTest run; a run that crashed counts as one failure.
gtest_run() {
    local name="$1"; shift
    local out rc p f
    out=$("$@" 2>&1)
    rc=$?
    printf '%s\n' "$out" | grep -E '^\[  (FAILED|PASSED) |^\[==========\]|Sanitizer|runtime error' || true
    p=$(printf '%s\n' "$out" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    f=$(printf '%s\n' "$out" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    p=${p:-0}
    f=${f:-0}
    if [ "$rc" != 0 ] && [ "$f" = 0 ]; then
        echo "$name: exited with $rc" >&2
        printf '%s\n' "$out" | tail -20 >&2
        f=1
    fi
    echo "$name: $p passed, $f failed" >&2
    passed=$((passed + p))
    failed=$((failed + f))
}

gtest_run "unit" build/host/unit_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    gtest_run "unit (sanitized)" build/host-asan/unit_tests

# Each libFuzzer harness runs for a few seconds from its seed corpus; one
# that finds a failing input is one failed test.
for harness in fuzz/*_fuzzer.cpp; do
    case "$harness" in fuzz/linux_*) continue ;; esac
    check scripts/fuzz.sh 4 "$(basename "$harness" _fuzzer.cpp)"
done
# The readers of the Linux files, a few seconds each, as one test.
check scripts/fuzz_linux.sh 3

# Adds the counts of an end-to-end script that ends with "<tag>: N passed, N failed";
# one that did not get there counts as one failure.
suite_run() {
    local name="$1" tag="$2" out line p f
    shift 2
    out=$("$@" 2>&1)
    printf '%s\n' "$out" | grep -v "^$tag:" >&2
    line=$(printf '%s\n' "$out" | grep "^$tag:" | tail -1)
    p=$(echo "$line" | sed -n "s/^$tag: \([0-9]*\) passed, \([0-9]*\) failed/\1/p")
    f=$(echo "$line" | sed -n "s/^$tag: \([0-9]*\) passed, \([0-9]*\) failed/\2/p")
    [ -n "$f" ] || { p=0; f=1; echo "$name: the run did not finish" >&2; }
    echo "$name: $p passed, $f failed" >&2
    passed=$((passed + p))
    failed=$((failed + f))
}

suite_run "end-to-end" e2e bash tests/e2e/run_e2e.sh
suite_run "end-to-end (X11)" e2e-x11 bash tests/e2e_x11/run.sh

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
