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

# shellcheck source=tests/e2e/common.sh
. "$OSTREL_ROOT/tests/e2e/common.sh"

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

# Ids of the Wine processes the current test started.
test_pids() {
    pgrep -f "ostrel\.scr|explorer.exe /desktop=ostrel|start.exe /exec explorer|host\.exe|display_properties\.exe" \
        2>/dev/null | in_our_prefix
}

# True when exactly the given number of saver programs run (not counting the
# Wine processes that started them).
programs() { [ "$(pgrep -f '^ostrel\.scr' 2>/dev/null | in_our_prefix | wc -l)" = "$1" ]; }

# Starts a program of the build, with its arguments, inside the Wine virtual
# desktop; $! is its launcher, which returns once the program has ended.
in_desktop() {
    (cd "$OSTREL_ROOT/build/win64" && exec wine explorer /desktop=ostrel,1024x768 "$@") >/dev/null 2>&1 &
}

start_saver() {
    in_desktop ostrel.scr "$@"
    SAVER_LAUNCH_PID=$!
}

no_test_pids() { [ -z "$(test_pids)" ]; }

# Ends every process this test started, by id, and waits for them (bounded).
stop_saver() {
    local pid
    for pid in $(test_pids) ${SAVER_LAUNCH_PID:-}; do kill "$pid" 2>/dev/null || true; done
    within 3 no_test_pids || for pid in $(test_pids); do kill -9 "$pid" 2>/dev/null || true; done
    SAVER_LAUNCH_PID=""
}

# True when the saver started by start_saver has ended: its launcher is gone,
# and so is every saver program. Neither a launcher's own command line nor a
# program that has not started yet can pass for an ended saver.
saver_ended() { { [ -z "${SAVER_LAUNCH_PID:-}" ] || gone "$SAVER_LAUNCH_PID"; } && programs 0; }

# The bounding box "WxH+X+Y" of the screenshot's pixels of exactly one colour
# ("rgb(r,g,b)"), or with "other" of every other colour; "0x0+0+0" when there
# are none.
colour_box() {
    local in=white out=black
    [ "${3:-}" = other ] && in=black out=white
    convert "$1" -fill $out +opaque "$2" -fill $in -opaque "$2" -format '%@' info: 2>/dev/null
}

# Visible window ids whose title matches exactly, waiting up to the given seconds.
wait_window() { within "$2" xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

reg_clear() { wine reg delete 'HKLM\Software\Ostrel Screen Saver' /f >/dev/null 2>&1 || true; }

# Stores settings given as name=value, a number as a DWORD and anything else
# as a string, in one Wine start.
reg_set() {
    local pair value
    {
        printf 'REGEDIT4\n\n[%s]\n' "${SETTINGS_KEY/HKLM/HKEY_LOCAL_MACHINE}"
        for pair; do
            value=${pair#*=}
            if [[ "$value" =~ ^[0-9]+$ ]]; then value=$(printf 'dword:%08x' "$value"); else value="\"$value\""; fi
            printf '"%s"=%s\n' "${pair%%=*}" "$value"
        done
    } | wine regedit /S - >/dev/null 2>&1
}

shot() { import -window root "$SHOTS/$1.png" 2>/dev/null && echo "$SHOTS/$1.png"; }

# The box "WxH+X+Y" of the yellow text block on a fresh screenshot named as
# given; false, printing nothing, when no block of readable size is there.
block_box() {
    local png box w h
    png=$(shot "$1") || return 1
    box=$(colour_box "$png" 'rgb(255,255,0)')
    IFS='x+' read -r w h _ <<<"$box"
    [ "${w:-0}" -gt 60 ] && [ "${h:-0}" -gt 30 ] && echo "$box"
}

# The top left corner "X,Y" of a box "WxH+X+Y".
corner() { echo "${1#*+}" | tr + ,; }

# True when a box "WxH+X+Y" is centred on the screen within 40 pixels.
centred() {
    local w h x y
    IFS='x+' read -r w h x y <<<"$1"
    [ $(((2 * x + w - 1024) / 80)) = 0 ] && [ $(((2 * y + h - 768) / 80)) = 0 ]
}

# Starts the full-screen saver with yellow text and the settings given as
# name=value, and waits (bounded) for its text; BLOCK is the text's box on
# the screenshot named first.
start_with_text() {
    local name="$1"
    shift
    reg_set FontColour=65535 "$@"
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return 1; }
    BLOCK=$(within 5 block_box "$name") || { fail "no text block in the font colour"; return 1; }
}

before_test() { reg_clear; }
after_test() { stop_saver; }
