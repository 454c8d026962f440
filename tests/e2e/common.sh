# What both end-to-end suites share: bounded waits, one virtual X display,
# and the count of tests passed and failed. A suite defines `before_test`
# and `after_test`; a test fails by calling `fail` one or more times.

E2E_PASSED=0
E2E_FAILED=0
XVFB_PID=""

log() { printf '%s\n' "$*" >&2; }

# True once the command given succeeds, asked again until the given whole
# seconds have passed.
within() {
    local deadline=$(($(date +%s%3N) + $1 * 1000))
    shift
    until "$@"; do
        [ "$(date +%s%3N)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

start_display() {
    local n
    for n in $(seq "$1" $(($1 + 49))); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        within 5 xdpyinfo >/dev/null 2>&1 && return 0
        kill "$XVFB_PID" 2>/dev/null
    done
    log "no free X display"
    return 1
}

# True when none of the given processes runs.
gone() { ! kill -0 "$@" 2>/dev/null; }

fail() { log "    $*"; TEST_FAILED=1; }

# Runs each test function named whose name holds $E2E_FILTER, if set.
run_tests() {
    local t
    for t; do
        [ -z "${E2E_FILTER:-}" ] || [[ "$t" == *"$E2E_FILTER"* ]] || continue
        TEST_FAILED=0
        before_test
        "$t"
        after_test
        if [ "$TEST_FAILED" = 0 ]; then
            E2E_PASSED=$((E2E_PASSED + 1))
            log "ok   - $t"
        else
            E2E_FAILED=$((E2E_FAILED + 1))
            log "FAIL - $t"
        fi
    done
}
