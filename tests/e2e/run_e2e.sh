#!/usr/bin/env bash
# Runs every end-to-end test of the Windows program under Wine on a virtual
# X display, and prints "N passed, N failed".
set -u
OSTREL_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
export OSTREL_ROOT
# shellcheck source=tests/e2e/lib.sh
. "$OSTREL_ROOT/tests/e2e/lib.sh"
# shellcheck source=tests/e2e/startup_tests.sh
. "$OSTREL_ROOT/tests/e2e/startup_tests.sh"

[ -x "$EXE_UNIX" ] || { log "missing $EXE_UNIX"; echo "0 passed, 1 failed"; exit 1; }
trap stop_all EXIT
start_display || { echo "0 passed, 1 failed"; exit 1; }
start_wine

for t in $STARTUP_TESTS; do
    if [ -z "${E2E_FILTER:-}" ] || [[ "$t" == *"$E2E_FILTER"* ]]; then
        run_test "$t"
    fi
done
reg_clear
echo "e2e: $E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" = 0 ]
