# End-to-end tests of the options dialog.

OPTIONS_TITLE='Ostrel Screen Saver Setup'
DESKTOP_KEY='HKU\.DEFAULT\Control Panel\Desktop'
DP_STATE="$OSTREL_ROOT/build/e2e-display-properties.txt"

# Opens the dialog with the given arguments and activates it; its id is in DIALOG.
open_options() {
    start_saver "$@"
    DIALOG=$(wait_window "$OPTIONS_TITLE" 15) || return 1
    DIALOG=${DIALOG%%$'\n'*}
    xdotool windowactivate --sync "$DIALOG" >/dev/null 2>&1
    sleep 0.5
}

# Presses a key in the dialog and waits (bounded) until the program ends.
close_options_with() {
    xdotool key "$1"
    within 10 saver_ended
}

# Fails the test for each name=value whose value under the key given is not
# "TYPE DATA" (nothing when the value is missing).
expect_values() {
    local key="$1" out pair got
    shift
    out=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
    # A loaded machine can make one query come back empty; ask once more.
    [ -n "$out" ] || { sleep 1; out=$(wine reg query "$key" 2>/dev/null | tr -d '\r'); }
    for pair; do
        got=$(awk -v name="${pair%%=*}" '$1 == name { $1 = ""; sub(/^ +/, ""); print; exit }' <<<"$out")
        [ "$got" = "${pair#*=}" ] || fail "${pair%%=*} is '$got', expected '${pair#*=}'"
    done
}

# Opens the dialog, ticks or unticks "Set This As Default Screen Saver" and
# presses Enter.
toggle_default_saver() {
    open_options /c || { fail "no options window"; return 1; }
    xdotool key alt+o Tab space
    close_options_with Return || { fail "Enter did not close the dialog"; return 1; }
}

test_options_enter_writes_every_value_and_shows_it_again() {
    open_options /c || { fail "no options window"; return; }
    [ "$(count_windows OstrelSS)" = 0 ] || fail "the saver window stayed"
    # "Computer Name" comes after "Description", whose text box is off.
    xdotool key alt+d Tab Tab space alt+n
    sleep 0.3
    xdotool key alt+t Tab Right Right Right  # the list, then the slider: 2 to 5
    xdotool key shift+Tab Down               # "Random Path"
    sleep 0.3
    shot options-changed >/dev/null
    close_options_with Return || { fail "Enter did not close the dialog"; return; }
    # Each changed control started from its default, so what it wrote pins
    # that default too.
    local changed=(DisplayItems="REG_DWORD 0x47e" MoveOption="REG_DWORD 0x3" MoveEBRandom="REG_DWORD 0x5")
    expect_values "$SETTINGS_KEY" "${changed[@]}" FontName="REG_SZ Verdana" FontSize="REG_DWORD 0xa" \
        FontColour="REG_DWORD 0xffffff" BgColour="REG_DWORD 0x0" FontSettings="REG_DWORD 0x0" \
        Options="REG_DWORD 0x0" Descr="REG_SZ" TimeFormat="REG_DWORD 0x0" oldDefaultSS=

    # Reopened, the dialog shows what was saved: OK writes it back. Its check
    # box makes this the default saver, keeping the one before, and a second
    # time gives that one back.
    wine reg add "$DESKTOP_KEY" /v SCRNSAVE.EXE /d Logon.scr /f >/dev/null 2>&1
    if toggle_default_saver; then
        expect_values "$SETTINGS_KEY" "${changed[@]}" oldDefaultSS="REG_SZ Logon.scr"
        expect_values "$DESKTOP_KEY" SCRNSAVE.EXE="REG_SZ ostrel.scr"
        toggle_default_saver && expect_values "$DESKTOP_KEY" SCRNSAVE.EXE="REG_SZ Logon.scr"
    fi
}

# "left top width height" of a window, from the X server.
window_box() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
        /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

dp_state() { [ "$(tr -d '\r' <"$DP_STATE" 2>/dev/null)" = "$1" ]; }

test_options_over_display_properties_and_escape_writes_nothing() {
    local dp a b tab
    rm -f "$DP_STATE"
    in_desktop display_properties.exe "Z:${DP_STATE//\//\\}"
    dp=$(wait_window 'Display Properties' 15) || { fail "no Display Properties window"; return; }
    within 5 dp_state enabled || fail "the test window does not report"
    open_options /c:1234 || { fail "no options window"; return; }
    within 5 dp_state disabled || fail "Display Properties stayed enabled"
    # Centred over it: the centres agree within rounding.
    read -r -a a <<<"$(window_box "${dp%%$'\n'*}")"
    read -r -a b <<<"$(window_box "$DIALOG")"
    local dx=$(((2 * a[0] + a[2]) - (2 * b[0] + b[2]))) dy=$(((2 * a[1] + a[3]) - (2 * b[1] + b[3])))
    [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 2 ] || fail "dialog ${b[*]} is not centred over ${a[*]}"
    shot options-over-display-properties >/dev/null
    for tab in d:display m:format n:animation o:other a:about; do
        xdotool key "alt+${tab%%:*}"
        sleep 0.4
        shot "options-${tab#*:}" >/dev/null || fail "no screenshot of ${tab#*:}"
    done
    close_options_with Escape || fail "Esc did not close the dialog"
    within 5 dp_state enabled || fail "Display Properties stayed disabled after Esc"
    wine reg query "$SETTINGS_KEY" >/dev/null 2>&1 && fail "Esc wrote the settings"
}

E2E_TESTS="$E2E_TESTS
test_options_enter_writes_every_value_and_shows_it_again
test_options_over_display_properties_and_escape_writes_nothing
"
