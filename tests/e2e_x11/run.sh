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
# shellcheck source=tests/e2e/common.sh
. "$ROOT/tests/e2e/common.sh"
pids=()

# Ends a process it started, by its id, and waits for it (bounded).
stop() {
    kill "$1" 2>/dev/null || return 0
    within 2 gone "$1" || kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    return 0
}

before_test() { :; }
after_test() { for pid in "${pids[@]}"; do stop "$pid"; done; }
trap 'after_test; [ -n "$XVFB_PID" ] && stop "$XVFB_PID"; rm -rf "$WORK"' EXIT

# True once the file has the given number of lines.
has_lines() { [ "$({ wc -l <"$1"; } 2>/dev/null || echo 0)" -ge "$2" ]; }

# Pixels of one colour (#RRGGBB) in a picture.
count_colour() {
    convert "$1" -format %c histogram:info:- 2>/dev/null |
        awk -v c="$2" 'toupper($0) ~ toupper(c) " " { sub(":", "", $1); n += $1 } END { print n + 0 }'
}

# Starts the saver, with a settings folder of its own, its text on standard
# output, and waits (bounded) for its first text; sets `saver`.
start_saver() {
    local name="$1"; shift
    export XDG_CONFIG_HOME="$WORK/config-$name"
    mkdir -p "$XDG_CONFIG_HOME/ostrel"
    [ -z "${SETTINGS:-}" ] || printf "$SETTINGS" >"$XDG_CONFIG_HOME/ostrel/settings"
    "$BIN/ostrel" -print-text "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" &
    saver=$!
    pids+=("$saver")
    within 5 has_lines "$WORK/$name.out" 2 || fail "no text from $name"
}

# A test window of the given size; its id in `host`, its process in `host_pid`.
start_host() {
    "$BIN/host_window" "$@" >"$WORK/host.id" &
    host_pid=$!
    pids+=("$host_pid")
    within 5 has_lines "$WORK/host.id" 1 || fail "no test window"
    host=$(head -1 "$WORK/host.id")
}

# The settings file's colours in a window of its own, navy background and
# yellow text, though other lines of the file cannot be read and its font is
# no one's: it starts, says so in one line, and keeps what it can read. Most
# of the 480,000 pixels are background; the text has hundreds of solid ones.
# On the root window (as under XScreenSaver) the file is not read.
test_settings_colours_survive_a_malformed_file() {
    local navy yellow id
    SETTINGS='FontSize = ten\n\x01\x02\xff garbage\nBgColour = 0x00800000\nFontColour = 0x0000FFFF\nFontName = "NoSuchFont Anywhere"\nDescr = "open\n' \
        start_saver colours -window
    sleep 0.5
    id=$(xdotool search --name '^OstrelSS$' | head -1)
    import -window "$id" "$WORK/colours.png"
    gone "$saver" && fail "it ended"
    navy=$(count_colour "$WORK/colours.png" '#000080')
    yellow=$(count_colour "$WORK/colours.png" '#FFFF00')
    [ "$navy" -gt 400000 ] && [ "$yellow" -gt 200 ] || fail "$navy background, $yellow text pixels"
    [ "$(wc -l <"$WORK/colours.err")" = 1 ] || fail "not one error line: $(cat "$WORK/colours.err")"
    stop "$saver"
    SETTINGS='BgColour = 0x00800000\n' start_saver root-colours -root
    sleep 0.3
    import -window root "$WORK/root-colours.png"
    [ "$(count_colour "$WORK/root-colours.png" '#000000')" -gt 700000 ] ||
        fail "the file was read on the root window"
}

# Bad values and options of other programs are one line each on standard
# error and the rest is taken: X colour names, screenhack's options, two
# dashes. Only -h ends it at once.
test_bad_values_are_told_and_the_saver_runs() {
    start_saver bad -root --fg '#00FF0' --bg SteelBlue --fps --delay 20000 --mono -frobnicate
    sleep 0.3
    import -window root "$WORK/bad.png"
    gone "$saver" && fail "it ended"
    [ "$(wc -l <"$WORK/bad.err")" = 2 ] || fail "not two lines: $(cat "$WORK/bad.err")"
    grep -q '"-frobnicate"' "$WORK/bad.err" || fail "the unknown option is not named"
    [ "$(count_colour "$WORK/bad.png" '#4682B4')" -gt 700000 ] || fail "not a SteelBlue background"
    [ "$(count_colour "$WORK/bad.png" '#FFFFFF')" -gt 200 ] || fail "not the default white text"
    "$BIN/ostrel" -h | grep -q -- '-window-id ID' || fail "-h does not list -window-id"
}

# One figure per processor, and the figures follow a load on every processor.
# (The time line makes each second's text new, so that each one is printed.)
test_cpu_line_follows_a_load() {
    local processors lines busiest
    processors=$(grep -c '^cpu[0-9]' /proc/stat)
    start_saver cpu -root -items time,cpu
    for _ in $(seq "$processors"); do
        timeout 4 sh -c 'while :; do :; done' &
        pids+=($!)
    done
    sleep 3.5
    stop "$saver"
    # The first text has no earlier reading to compare with: it is left out.
    lines=$(grep '^CPU usage:' "$WORK/cpu.out" | tail -n +2)
    [ "$(echo "$lines" | awk '{ print NF - 2 }' | sort -u)" = "$processors" ] ||
        fail "not $processors figures a line: $(echo "$lines" | tr '\n' '|')"
    # The last two seconds were under the load on every processor.
    busiest=$(echo "$lines" | tail -2 | grep -o '[0-9]*%' | tr -d % | sort -n | tail -1)
    [ "${busiest:-0}" -ge 80 ] || fail "no load seen: $(echo "$lines" | tr '\n' '|')"
}

# Drawing into a window the test made, as the settings dialog gives its
# preview; it ends when that window goes away. The host's own colour is
# white too: the background must cover all of its 307,200 pixels but the
# text, which is the preview's 8 points here.
test_window_id_draws_there_and_ends_with_it() {
    local back text
    start_host 640 480
    start_saver window-id -window-id "$host" -bg '#102030' -fg '#FFFFFF'
    sleep 0.5
    import -window "$host" "$WORK/window-id.png"
    back=$(count_colour "$WORK/window-id.png" '#102030')
    text=$(count_colour "$WORK/window-id.png" '#FFFFFF')
    [ "$back" -gt 280000 ] && [ "$text" -gt 50 ] && [ "$text" -lt 20000 ] ||
        fail "$back background, $text text pixels"
    stop "$host_pid"
    within 2 gone "$saver" || fail "still running after its window was destroyed"
}

# A window named by XSCREENSAVER_WINDOW, however small, gets the whole
# saver, painted whole, with its full-size text.
test_xscreensaver_window_names_the_window() {
    local back
    start_host 200 150
    XSCREENSAVER_WINDOW=$host start_saver given -root -bg '#00FF00' -animation centre
    sleep 0.3
    import -window "$host" "$WORK/given.png"
    back=$(count_colour "$WORK/given.png" '#00FF00')
    [ "$back" -gt 20000 ] || fail "$back of 30,000 pixels painted"
}

test_signals_and_input_in_its_own_window_end_it() {
    local signal how id
    for signal in TERM INT; do
        start_saver "sig$signal" -root
        kill -"$signal" "$saver"
        within 1 gone "$saver" || fail "SIG$signal did not end it within a second"
        wait "$saver" 2>/dev/null
        # Ended by the signal itself, after its clean-up.
        [ "$?" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: not ended by it"
    done
    # In a window of its own, a key, a click and the tenth quick pointer move end it.
    for how in key click moves; do
        start_saver own -window -animation centre
        id=$(xdotool search --name '^OstrelSS$' | head -1)
        case "$how" in
            key) xdotool key --window "$id" space 2>/dev/null ;;
            click) xdotool mousemove --window "$id" 2 2 click 1 2>/dev/null ;;
            moves)
                for i in $(seq 9); do xdotool mousemove --window "$id" $((10 + 7 * i)) 20; done
                sleep 0.5
                gone "$saver" && fail "nine moves ended it"
                xdotool mousemove --window "$id" 100 30 2>/dev/null
                ;;
        esac
        within 2 gone "$saver" || fail "the $how did not end it"
    done
}

# -save writes the settings with the command line's over them; the file
# reads back as it was written and is used at the next start.
test_settings_file_round_trips() {
    local file="$WORK/config-saved/ostrel/settings" line
    mkdir -p "${file%/*}"
    XDG_CONFIG_HOME="$WORK/config-saved" "$BIN/ostrel" -save -bg '#204060' -fg '#FF8000' \
        -font-size 14 -bold -no-network -text 'a "quoted" text' -description >/dev/null
    cp "$file" "$WORK/saved"
    XDG_CONFIG_HOME="$WORK/config-saved" "$BIN/ostrel" -save >/dev/null
    cmp -s "$file" "$WORK/saved" || fail "a second save changed the file"
    for line in 'BgColour = 0x00604020' 'FontColour = 0x000080FF' 'FontSize = 14' \
        'FontSettings = 1' 'DisplayItems = 1215' 'Descr = "a \"quoted\" text"'; do
        grep -qxF "$line" "$file" || fail "no line $line in $(tr '\n' '|' <"$file")"
    done
    start_saver saved -window
    sleep 0.3
    import -window "$(xdotool search --name '^OstrelSS$' | head -1)" "$WORK/saved.png"
    grep -qx 'a "quoted" text' "$WORK/saved.out" || fail "the description is not shown"
    [ "$(count_colour "$WORK/saved.png" '#204060')" -gt 400000 ] || fail "not the saved background"
}

# shellcheck source=tests/e2e_x11/xscreensaver_tests.sh
. "$ROOT/tests/e2e_x11/xscreensaver_tests.sh"

if [ ! -x "$BIN/ostrel" ] || [ ! -x "$BIN/host_window" ]; then
    echo "FAILED: build/linux/ostrel and host_window are not built"
    echo "e2e-x11: 0 passed, 1 failed"
    exit 1
fi
start_display 120 || { echo "e2e-x11: 0 passed, 1 failed"; exit 1; }
run_tests test_settings_colours_survive_a_malformed_file test_bad_values_are_told_and_the_saver_runs \
    test_cpu_line_follows_a_load test_window_id_draws_there_and_ends_with_it \
    test_xscreensaver_window_names_the_window test_signals_and_input_in_its_own_window_end_it \
    test_settings_file_round_trips test_under_xscreensaver test_preview_follows_its_window \
    test_settings_description_is_valid_and_taken test_window_on_a_small_monitor_is_full_size
echo "e2e-x11: $E2E_PASSED passed, $E2E_FAILED failed"
[ "$E2E_FAILED" = 0 ]
