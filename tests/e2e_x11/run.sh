#!/usr/bin/env bash
# End-to-end tests of the native X11 program (build/linux/ostrel) on a
# virtual X display, without Wine: colours on the screen, the processor
# line, drawing into a given window, ending, and the settings file.
# Ends with one line "e2e-x11: N passed, N failed".
# Usage: tests/e2e_x11/run.sh   (after cmake --build build/linux)
set -u
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
BIN="$ROOT/build/linux"
WORK=$(mktemp -d /tmp/ostrel-e2e-x11.XXXXXX)
passed=0
failed=0
pids=()

pass() { passed=$((passed + 1)); echo "ok: $1"; }
fail() { failed=$((failed + 1)); echo "FAILED: $1"; }

# Ends a process it started, by its id, and waits for it (bounded).
stop() {
    local pid="$1"
    kill "$pid" 2>/dev/null || return 0
    wait_exit "$pid" 2 || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

# True once the process has ended, false after `seconds`.
wait_exit() {
    local pid="$1" tenths=$(($2 * 10)) i
    for ((i = 0; i < tenths; i++)); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    ! kill -0 "$pid" 2>/dev/null
}

# True once the file has `lines` lines, false after `seconds`.
wait_lines() {
    local file="$1" lines="$2" tenths=$(($3 * 10)) i
    for ((i = 0; i < tenths; i++)); do
        [ "$({ wc -l <"$file"; } 2>/dev/null || echo 0)" -ge "$lines" ] && return 0
        sleep 0.1
    done
    return 1
}

cleanup() {
    for pid in "${pids[@]}"; do stop "$pid"; done
    rm -rf "$WORK"
}
trap cleanup EXIT

# Pixels of one colour (#RRGGBB) in a picture.
count_colour() {
    convert "$1" -format %c histogram:info:- 2>/dev/null |
        awk -v c="$2" 'toupper($0) ~ toupper(c) " " { sub(":", "", $1); n += $1 } END { print n + 0 }'
}

# A fresh settings folder for each test.
new_config() {
    export XDG_CONFIG_HOME="$WORK/config-$1"
    mkdir -p "$XDG_CONFIG_HOME/ostrel"
}

# Starts the saver with its text on standard output; sets `saver`.
start_saver() {
    local name="$1"; shift
    "$BIN/ostrel" -print-text "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" &
    saver=$!
    pids+=("$saver")
}

n=$(for d in $(seq 120 169); do [ -e "/tmp/.X11-unix/X$d" ] || { echo "$d"; break; }; done)
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

test_help() {
    if "$BIN/ostrel" -h | grep -q -- '-window-id ID' && ! "$BIN/ostrel" -bogus 2>/dev/null; then
        pass "-h prints the options; an unknown option is refused"
    else
        fail "-h prints the options; an unknown option is refused"
    fi
}

# The settings file's colours on the root window: navy background, yellow text.
test_colours() {
    new_config colours
    printf 'BgColour = 0x00800000\nFontColour = 0x0000FFFF\nFontSize = 12\n' \
        >"$XDG_CONFIG_HOME/ostrel/settings"
    start_saver colours -root
    wait_lines "$WORK/colours.out" 2 5
    sleep 0.5
    import -window root "$WORK/colours.png"
    local navy yellow
    navy=$(count_colour "$WORK/colours.png" '#000080')
    yellow=$(count_colour "$WORK/colours.png" '#FFFF00')
    stop "$saver"
    # Most of the 786,432 pixels are background; the text has hundreds of solid ones.
    if [ "$navy" -gt 700000 ] && [ "$yellow" -gt 200 ]; then
        pass "the text is drawn in the settings' colours ($navy background, $yellow text pixels)"
    else
        fail "the text is drawn in the settings' colours ($navy background, $yellow text pixels)"
    fi
}

# One figure per processor, and the figures follow a load on every processor.
# (The time line makes each second's text new, so that each one is printed.)
test_cpu() {
    new_config cpu
    local processors
    processors=$(grep -c '^cpu[0-9]' /proc/stat)
    start_saver cpu -root -items time,cpu
    wait_lines "$WORK/cpu.out" 9 6  # three seconds' texts: the first, and two before the load
    local before
    before=$(grep -c '^CPU usage:' "$WORK/cpu.out")
    local loads=()
    for _ in $(seq "$processors"); do
        timeout 4 sh -c 'while :; do :; done' &
        loads+=($!)
        pids+=($!)
    done
    sleep 4
    for pid in "${loads[@]}"; do stop "$pid"; done
    stop "$saver"
    local lines figures idle busy busiest
    # The first text has no earlier reading to compare with: it is left out.
    lines=$(grep '^CPU usage:' "$WORK/cpu.out" | tail -n +2)
    figures=$(echo "$lines" | awk '{ print NF - 2 }' | sort -u)
    mean() { grep -o '[0-9]*%' | tr -d % | awk '{ s += $1; n++ } END { print n ? int(s / n) : 0 }'; }
    idle=$(echo "$lines" | head -n $((before - 1)) | mean)
    busy=$(echo "$lines" | tail -n +$((before + 1)) | mean)
    busiest=$(echo "$lines" | tail -n +$((before + 1)) | grep -o '[0-9]*%' | tr -d % | sort -n | tail -1)
    # On a machine that others keep busy the figures are high before the load too.
    if [ "$figures" = "$processors" ] && [ "${busiest:-0}" -ge 80 ] &&
        { [ "$busy" -gt "$idle" ] || [ "$idle" -ge 90 ]; }; then
        pass "the CPU line has $processors figures and follows the load ($idle% before, $busy% under it)"
    else
        fail "the CPU line has $processors figures and follows the load: $(echo "$lines" | tr '\n' '|')"
    fi
}

# Drawing into a window the test made, as XScreenSaver gives one; it ends
# when that window goes away.
test_window_id() {
    new_config window-id
    "$BIN/host_window" 640 480 >"$WORK/host.id" &
    local host=$!
    pids+=("$host")
    wait_lines "$WORK/host.id" 1 5
    local id
    id=$(head -1 "$WORK/host.id")
    start_saver window-id -window-id "$id" -bg '#102030' -fg '#FFFFFF'
    wait_lines "$WORK/window-id.out" 2 5
    sleep 0.5
    import -window "$id" "$WORK/window-id.png"
    local back text
    back=$(count_colour "$WORK/window-id.png" '#102030')
    text=$(count_colour "$WORK/window-id.png" '#FFFFFF')
    stop "$host"
    # The host's own colour is white too: the background must cover it all
    # but the text (307,200 pixels in all).
    if [ "$back" -gt 280000 ] && [ "$text" -gt 200 ] && [ "$text" -lt 20000 ]; then
        pass "-window-id draws in the given window ($back background, $text text pixels)"
    else
        fail "-window-id draws in the given window ($back background, $text text pixels)"
    fi
    if wait_exit "$saver" 2; then
        pass "the saver ends when its window is destroyed"
    else
        fail "the saver ends when its window is destroyed"
        stop "$saver"
    fi
}

# A small given window is a preview: it runs there and ignores nothing.
test_preview() {
    new_config preview
    "$BIN/host_window" 200 150 >"$WORK/small.id" &
    local host=$!
    pids+=("$host")
    wait_lines "$WORK/small.id" 1 5
    XSCREENSAVER_WINDOW=$(head -1 "$WORK/small.id") start_saver preview -root -bg '#00FF00'
    wait_lines "$WORK/preview.out" 2 5
    sleep 0.3
    import -window "$(head -1 "$WORK/small.id")" "$WORK/preview.png"
    local back
    back=$(count_colour "$WORK/preview.png" '#00FF00')
    stop "$host"
    wait_exit "$saver" 2 || stop "$saver"
    if [ "$back" -gt 25000 ]; then
        pass "XSCREENSAVER_WINDOW names the window to draw in ($back of 30,000 pixels painted)"
    else
        fail "XSCREENSAVER_WINDOW names the window to draw in ($back of 30,000 pixels painted)"
    fi
}

test_sigterm() {
    new_config sigterm
    local signal ok=1
    for signal in TERM INT; do
        start_saver sigterm -root
        wait_lines "$WORK/sigterm.out" 2 5
        kill -"$signal" "$saver"
        wait_exit "$saver" 1 || ok=0
        wait "$saver" 2>/dev/null || ok=0  # a clean end, not death by the signal
    done
    if [ "$ok" = 1 ]; then
        pass "SIGTERM and SIGINT end it cleanly within a second"
    else
        fail "SIGTERM and SIGINT end it cleanly within a second"
        stop "$saver"
    fi
}

# In a window of its own, a key, a click and the tenth quick pointer move end it.
test_own_window_input() {
    new_config own
    local how ok=1 id
    for how in key click moves; do
        start_saver own -window -animation centre
        wait_lines "$WORK/own.out" 2 5
        id=$(xdotool search --name '^OstrelSS$' | head -1)
        case "$how" in
            key) xdotool key --window "$id" space 2>/dev/null ;;
            click) xdotool mousemove --window "$id" 2 2 click 1 2>/dev/null ;;
            moves)
                for i in $(seq 9); do xdotool mousemove --window "$id" $((10 + 7 * i)) 20; done
                sleep 0.5
                kill -0 "$saver" 2>/dev/null || { ok=0; echo "nine moves ended it"; }
                xdotool mousemove --window "$id" 100 30 2>/dev/null
                ;;
        esac
        wait_exit "$saver" 2 || { ok=0; echo "the $how did not end it"; stop "$saver"; }
    done
    if [ "$ok" = 1 ]; then
        pass "in -window a key, a click or ten quick pointer moves end it"
    else
        fail "in -window a key, a click or ten quick pointer moves end it"
    fi
}

# -save writes the settings with the command line's over them; the file
# reads back as it was written and is used at the next start.
test_settings_round_trip() {
    new_config save
    local file="$XDG_CONFIG_HOME/ostrel/settings"
    "$BIN/ostrel" -save -bg '#204060' -fg '#FF8000' -font-size 14 -bold -no-network \
        -text 'a "quoted" text' -description >/dev/null
    cp "$file" "$WORK/saved"
    "$BIN/ostrel" -save >/dev/null
    start_saver saved -root
    wait_lines "$WORK/saved.out" 2 5
    sleep 0.3
    import -window root "$WORK/saved.png"
    stop "$saver"
    if cmp -s "$file" "$WORK/saved" &&
        grep -qx 'BgColour = 0x00604020' "$file" && grep -qx 'FontColour = 0x000080FF' "$file" &&
        grep -qx 'FontSize = 14' "$file" && grep -qx 'FontSettings = 1' "$file" &&
        grep -qx 'DisplayItems = 1215' "$file" && grep -qx 'Descr = "a \\"quoted\\" text"' "$file" &&
        grep -qx 'a "quoted" text' "$WORK/saved.out" &&
        [ "$(count_colour "$WORK/saved.png" '#204060')" -gt 700000 ]; then
        pass "a settings file round-trips and is used"
    else
        fail "a settings file round-trips and is used: $(tr '\n' '|' <"$file")"
    fi
}

# A file with lines that cannot be read, and a font no one has: it starts,
# says so in one line, and keeps what it can read.
test_malformed_and_missing_font() {
    new_config bad
    printf 'FontSize = ten\n\x01\x02\xff garbage\nBgColour = 0x00000080\nFontName = "NoSuchFont Anywhere"\nDescr = "open\n' \
        >"$XDG_CONFIG_HOME/ostrel/settings"
    start_saver bad -root -fg white
    wait_lines "$WORK/bad.out" 2 5
    sleep 0.3
    import -window root "$WORK/bad.png"
    local alive=0
    kill -0 "$saver" 2>/dev/null && alive=1
    stop "$saver"
    local maroon white errors
    maroon=$(count_colour "$WORK/bad.png" '#800000')
    white=$(count_colour "$WORK/bad.png" '#FFFFFF')
    errors=$(wc -l <"$WORK/bad.err")
    if [ "$alive" = 1 ] && [ "$errors" = 1 ] && [ "$maroon" -gt 700000 ] && [ "$white" -gt 200 ]; then
        pass "a malformed file and a missing font still start it ($(cat "$WORK/bad.err"))"
    else
        fail "a malformed file and a missing font still start it (alive $alive, $errors error lines, $maroon background, $white text pixels)"
    fi
}

if [ ! -x "$BIN/ostrel" ] || [ ! -x "$BIN/host_window" ]; then
    echo "FAILED: build/linux/ostrel and host_window are not built"
    echo "e2e-x11: 0 passed, 1 failed"
    exit 1
fi
for t in test_help test_colours test_cpu test_window_id test_preview test_sigterm \
    test_own_window_input test_settings_round_trip test_malformed_and_missing_font; do
    if [ -z "${E2E_FILTER:-}" ] || [[ "$t" == *"$E2E_FILTER"* ]]; then
        "$t"
    fi
done
echo "e2e-x11: $passed passed, $failed failed"
[ "$failed" = 0 ]
