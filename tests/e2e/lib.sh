# Shared helpers of the end-to-end tests: one Xvfb display, one Wine prefix
# and one wineserver for the whole run; every wait bounded; every process a
# test starts ended by its id.

: "${OSTREL_ROOT:?}"
EXE_UNIX="$OSTREL_ROOT/build/win64/ostrel.scr"
export WINEPREFIX="${WINEPREFIX:-$OSTREL_ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
SETTINGS_KEY='HKLM\Software\Ostrel Screen Saver\Settings'
SHOTS="$OSTREL_ROOT/build/e2e-shots"
mkdir -p "$SHOTS"

E2E_PASSED=0
E2E_FAILED=0
XVFB_PID=""

log() { printf '%s\n' "$*" >&2; }

start_display() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null
    done
    log "no free X display"
    return 1
}

# shellcheck source=scripts/wine-prefix.sh
. "$OSTREL_ROOT/scripts/wine-prefix.sh"

start_wine() {
    make_wine_prefix
    # One persistent server for the whole run keeps every start quick.
    wineserver -p >/dev/null 2>&1 &
    timeout 60 wineboot >/dev/null 2>&1 || true
}

stop_all() {
    stop_saver
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
}

# Keeps the ids, read from standard input, of processes that run in this
# run's Wine prefix, so that parallel runs never touch each other.
in_our_prefix() {
    local pid
    while read -r pid; do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}

# Ids of the Wine processes of the saver started by the current test.
saver_pids() {
    pgrep -f "ostrel\.scr|explorer.exe /desktop=ostrel|start.exe /exec explorer|host\.exe" 2>/dev/null | in_our_prefix
}

# How many saver programs run (not counting the Wine processes that started them).
program_count() { pgrep -f '^ostrel\.scr' 2>/dev/null | in_our_prefix | wc -l; }

# Starts the saver with the given arguments inside the Wine virtual desktop.
start_saver() {
    (cd "$OSTREL_ROOT/build/win64" && exec wine explorer /desktop=ostrel,1024x768 ostrel.scr "$@") \
        >/dev/null 2>&1 &
    SAVER_LAUNCH_PID=$!
}

# Ends every process this test started, by id, and waits for them (bounded).
stop_saver() {
    local pids pid i
    pids="$(saver_pids) ${SAVER_LAUNCH_PID:-}"
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    for i in $(seq 1 30); do
        [ -z "$(saver_pids)" ] && break
        sleep 0.1
    done
    for pid in $(saver_pids); do kill -9 "$pid" 2>/dev/null || true; done
    SAVER_LAUNCH_PID=""
}

# True when the saver started by start_saver has ended: its launcher, which
# returns only once the program it started has ended, is gone, and so is
# every saver program. Neither a launcher's own command line nor a program
# that has not started yet can pass for an ended saver.
saver_ended() {
    { [ -z "${SAVER_LAUNCH_PID:-}" ] || ! kill -0 "$SAVER_LAUNCH_PID" 2>/dev/null; } &&
        [ "$(program_count)" = 0 ]
}

# True when the saver program has ended within the given seconds.
saver_ends_within() {
    local deadline=$((SECONDS + $1))
    while [ $SECONDS -lt $deadline ]; do
        saver_ended && return 0
        sleep 0.2
    done
    return 1
}

# True when a saver program that was seen running (its window was found)
# has ended within the given milliseconds. Only the program is timed: its
# launcher may take longer to tear the virtual desktop down.
saver_ends_within_ms() {
    local deadline=$(($(date +%s%3N) + $1))
    while [ "$(date +%s%3N)" -lt "$deadline" ]; do
        [ "$(program_count)" = 0 ] && return 0
        sleep 0.05
    done
    [ "$(program_count)" = 0 ]
}

# The bounding box "WxH+X+Y" of the screenshot's pixels of exactly one colour
# ("rgb(r,g,b)"); "0x0+0+0" when there are none.
colour_box() {
    convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format '%@' info: 2>/dev/null
}

# Window ids whose title matches exactly, waiting up to the given seconds.
wait_window() {
    local title="$1" seconds="$2" ids deadline=$((SECONDS + $2))
    while :; do
        ids=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null || true)
        [ -n "$ids" ] && { echo "$ids"; return 0; }
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.2
    done
}

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

reg_set_dword() { wine reg add "$SETTINGS_KEY" /v "$1" /t REG_DWORD /d "$2" /f >/dev/null 2>&1; }
reg_set_text() { wine reg add "$SETTINGS_KEY" /v "$1" /t REG_SZ /d "$2" /f >/dev/null 2>&1; }
reg_clear() { wine reg delete 'HKLM\Software\Ostrel Screen Saver' /f >/dev/null 2>&1 || true; }

# The colour of one screen pixel as "r,g,b".
pixel_at() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null && echo "$SHOTS/$1.png"; }

# Runs one test function; its failures are messages through `fail`.
TEST_FAILED=0
fail() { log "    $*"; TEST_FAILED=1; }

run_test() {
    local name="$1"
    TEST_FAILED=0
    reg_clear
    "$name"
    stop_saver
    if [ "$TEST_FAILED" = 0 ]; then
        E2E_PASSED=$((E2E_PASSED + 1))
        log "ok   - $name"
    else
        E2E_FAILED=$((E2E_FAILED + 1))
        log "FAIL - $name"
    fi
}
