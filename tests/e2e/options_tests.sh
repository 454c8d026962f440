# End-to-end tests of the options dialog.

OPTIONS_TITLE='Ostrel Screen Saver Setup'
DESKTOP_KEY='HKU\.DEFAULT\Control Panel\Desktop'
DP_STATE="$OSTREL_ROOT/build/e2e-display-properties.txt"
DP_LAUNCH_PID=""
DP_WINDOW=""

# Opens the dialog with the given arguments and activates it; prints its id.
open_options() {
    local ids id
    start_saver "$@"
    ids=$(wait_window "$OPTIONS_TITLE" 15) || return 1
    id=$(echo "$ids" | head -1)
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    sleep 0.5
    echo "$id"
}

# Presses a key in the dialog and waits (bounded) until the program ends.
close_options_with() {
    xdotool key "$1"
    saver_ends_within 10
}

# One value of the settings key as "TYPE DATA", or nothing when it is missing.
reg_value() {
    local got try
    # A loaded machine can make one query come back empty; ask once more.
    for try in 1 2; do
        got=$(wine reg query "${2:-$SETTINGS_KEY}" /v "$1" 2>/dev/null | tr -d '\r' |
            awk -v name="$1" '$1 == name { $1 = ""; sub(/^ +/, ""); print; exit }')
        [ -n "$got" ] && break
        [ "$try" = 1 ] && sleep 1
    done
    printf '%s\n' "$got"
}

expect_value() {
    local got
    got=$(reg_value "$1" "${3:-}")
    [ "$got" = "$2" ] || fail "$1 is '$got', expected '$2'"
}

# Clicks at a point of the dialog's client area, in pixels.
click_client() {
    local id="$1" x="$2" y="$3" w h bx by
    eval "$(xdotool getwindowgeometry --shell "$id")"
    w=$WIDTH h=$HEIGHT
    # The client area (353 x 364 pixels at 96 dpi) sits inside equal side
    # borders, below the caption.
    bx=$(((w - 353) / 2))
    by=$((h - 364 - bx))
    xdotool mousemove --window "$id" $((bx + x)) $((by + y)) click 1
}

# "left top width height" of a window, from the X server.
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

start_display_properties() {
    rm -f "$DP_STATE"
    (cd "$OSTREL_ROOT/build/win64" &&
        exec wine explorer /desktop=ostrel,1024x768 display_properties.exe "Z:${DP_STATE//\//\\}") \
        >/dev/null 2>&1 &
    DP_LAUNCH_PID=$!
    DP_WINDOW=$(wait_window 'Display Properties' 15 | head -1)
    [ -n "$DP_WINDOW" ]
}

stop_display_properties() {
    local pid
    for pid in $(pgrep -f 'display_properties\.exe' 2>/dev/null | in_our_prefix) $DP_LAUNCH_PID; do
        kill "$pid" 2>/dev/null || true
    done
    DP_LAUNCH_PID=""
}

# Waits (bounded) until the test window reports the given state.
display_properties_become() {
    local deadline=$((SECONDS + 5))
    while [ $SECONDS -lt $deadline ]; do
        [ "$(tr -d "\r" <"$DP_STATE" 2>/dev/null)" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

test_options_enter_saves_every_default() {
    open_options /c >/dev/null || { fail "no options window"; return; }
    [ "$(count_windows OstrelSS)" = 0 ] || fail "the saver window stayed"
    close_options_with Return || { fail "Enter did not close the dialog"; return; }
    expect_value FontName "REG_SZ Verdana"
    expect_value FontSize "REG_DWORD 0xa"
    expect_value FontColour "REG_DWORD 0xffffff"
    expect_value BgColour "REG_DWORD 0x0"
    expect_value FontSettings "REG_DWORD 0x0"
    expect_value DisplayItems "REG_DWORD 0x47f"
    expect_value Options "REG_DWORD 0x0"
    expect_value Descr "REG_SZ"
    expect_value MoveOption "REG_DWORD 0x2"
    expect_value MoveEBRandom "REG_DWORD 0x2"
    expect_value TimeFormat "REG_DWORD 0x0"
    expect_value oldDefaultSS ""
}

test_options_escape_writes_nothing() {
    open_options /c >/dev/null || { fail "no options window"; return; }
    close_options_with Escape || { fail "Esc did not close the dialog"; return; }
    wine reg query "$SETTINGS_KEY" >/dev/null 2>&1 && fail "the settings key was written"
}

test_options_changes_are_saved_and_shown_again() {
    local id
    id=$(open_options /c) || { fail "no options window"; return; }
    click_client "$id" 46 114  # "Computer Name"
    xdotool key alt+n          # the Animation tab
    sleep 0.3
    xdotool key alt+t Tab Right Right Right  # the list, then the slider: 2 to 5
    xdotool key shift+Tab Down               # "Random Path"
    sleep 0.3
    shot options-changed >/dev/null
    close_options_with Return || { fail "Enter did not close the dialog"; return; }
    expect_value DisplayItems "REG_DWORD 0x47e"
    expect_value MoveOption "REG_DWORD 0x3"
    expect_value MoveEBRandom "REG_DWORD 0x5"

    # Reopened, the dialog shows them: OK writes back what it shows.
    open_options /c >/dev/null || { fail "no options window the second time"; return; }
    xdotool key alt+n
    sleep 0.3
    shot options-reopened >/dev/null
    close_options_with Return || { fail "Enter did not close the dialog"; return; }
    expect_value DisplayItems "REG_DWORD 0x47e"
    expect_value MoveOption "REG_DWORD 0x3"
    expect_value MoveEBRandom "REG_DWORD 0x5"
}

test_options_display_properties_disabled_while_open() {
    local dlg a b
    start_display_properties || { fail "no Display Properties window"; stop_display_properties; return; }
    display_properties_become enabled || fail "the test window does not report"
    dlg=$(open_options /c:1234) || { fail "no options window"; stop_display_properties; return; }
    display_properties_become disabled || fail "Display Properties stayed enabled"
    # Centred over it: the centres agree within rounding.
    read -r -a a <<<"$(window_box "$DP_WINDOW")"
    read -r -a b <<<"$(window_box "$dlg")"
    local dx=$(((2 * a[0] + a[2]) - (2 * b[0] + b[2]))) dy=$(((2 * a[1] + a[3]) - (2 * b[1] + b[3])))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] ||
        fail "dialog ${b[*]} is not centred over ${a[*]}"
    shot options-over-display-properties >/dev/null
    xdotool key Escape
    display_properties_become enabled || fail "Display Properties stayed disabled after Esc"
    saver_ends_within 10 || fail "the dialog did not close"
    stop_display_properties
}

test_options_screenshots_of_every_tab() {
    local id tab
    id=$(open_options /c) || { fail "no options window"; return; }
    for tab in d:display m:format n:animation o:other a:about; do
        xdotool key "alt+${tab%%:*}"
        sleep 0.4
        shot "options-${tab#*:}" >/dev/null || fail "no screenshot of ${tab#*:}"
    done
    close_options_with Escape || fail "Esc did not close the dialog"
}

test_options_default_screen_saver_is_set_and_given_back() {
    local before
    before=$(reg_value SCRNSAVE.EXE "$DESKTOP_KEY")
    wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /t REG_SZ /d Logon.scr /f >/dev/null 2>&1
    open_options /c >/dev/null || { fail "no options window"; return; }
    xdotool key alt+o Tab space  # the Other tab's one check box
    close_options_with Return || fail "Enter did not close the dialog"
    expect_value SCRNSAVE.EXE "REG_SZ ostrel.scr" "$DESKTOP_KEY"
    expect_value oldDefaultSS "REG_SZ Logon.scr"

    open_options /c >/dev/null || { fail "no options window the second time"; return; }
    xdotool key alt+o Tab space
    close_options_with Return || fail "Enter did not close the dialog"
    expect_value SCRNSAVE.EXE "REG_SZ Logon.scr" "$DESKTOP_KEY"

    if [ -z "$before" ]; then
        wine reg delete "$DESKTOP_KEY" /v SCRNSAVE.EXE /f >/dev/null 2>&1
    else
        wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /t REG_SZ /d "${before#REG_SZ }" /f >/dev/null 2>&1
    fi
}

test_options_invalid_move_option_is_critical() {
    reg_set_dword MoveOption 7
    start_saver /c
    local ids
    ids=$(wait_window 'Ostrel Screen Saver' 15) || { fail "no message box"; return; }
    shot options-critical-box >/dev/null
    [ "$(count_windows "$OPTIONS_TITLE")" = 0 ] || fail "the dialog is shown behind the box"
    xdotool windowactivate --sync "$(echo "$ids" | head -1)" 2>/dev/null || true
    close_options_with Return || fail "the program did not end after the box"
}

E2E_TESTS="$E2E_TESTS
test_options_enter_saves_every_default
test_options_escape_writes_nothing
test_options_changes_are_saved_and_shown_again
test_options_display_properties_disabled_while_open
test_options_screenshots_of_every_tab
test_options_default_screen_saver_is_set_and_given_back
test_options_invalid_move_option_is_critical
"
