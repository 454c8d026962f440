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

# The Win32 platform layer's own tests against the real system.
test_win32_platform() {
    local out
    out=$(cd "$OSTREL_ROOT/build/win64" && timeout 120 wine win32_tests.exe 2>&1) || fail "win32_tests.exe failed"
    printf '%s\n' "$out" | grep -E '^\[  (FAILED|PASSED) |Failure|Expected|Actual|Which is' >&2
}

# shellcheck disable=SC2086
run_tests test_win32_platform $E2E_TESTS
reg_clear
echo "e2e: $E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" = 0 ]
