#!/usr/bin/env bash
# Runs every end-to-end test of the Windows program under Wine on a virtual
# X display, and prints "N passed, N failed".
set -u
OSTREL_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
export OSTREL_ROOT
# shellcheck source=tests/e2e/lib.sh
. "$OSTREL_ROOT/tests/e2e/lib.sh"
# Each *_tests.sh file defines its test functions and adds their names to E2E_TESTS.
E2E_TESTS=""
for f in "$OSTREL_ROOT"/tests/e2e/*_tests.sh; do
    # shellcheck disable=SC1090
    . "$f"
done

[ -x "$EXE_UNIX" ] || { log "missing $EXE_UNIX"; echo "0 passed, 1 failed"; exit 1; }
trap stop_all EXIT
start_display 91 || { echo "0 passed, 1 failed"; exit 1; }
start_wine

# The Win32 platform layer's own tests, each counted.
if [ -z "${E2E_FILTER:-}" ] || [ "$E2E_FILTER" = win32 ]; then
    win32_out=$(cd "$OSTREL_ROOT/build/win64" && timeout 120 wine win32_tests.exe 2>&1)
    printf '%s\n' "$win32_out" | grep -E '^\[  (FAILED|PASSED) |Failure|Expected|Actual|Which is' >&2
    wp=$(printf '%s\n' "$win32_out" | sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    wf=$(printf '%s\n' "$win32_out" | sed -n 's/^\[  FAILED  \] \([0-9]*\) test.*/\1/p' | tail -1)
    [ -n "$wp$wf" ] || wf=1
    E2E_PASSED=$((E2E_PASSED + ${wp:-0}))
    E2E_FAILED=$((E2E_FAILED + ${wf:-0}))
    log "win32 platform tests: ${wp:-0} passed, ${wf:-0} failed"
fi

# shellcheck disable=SC2086
run_tests $E2E_TESTS
reg_clear
echo "e2e: $E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" = 0 ]
