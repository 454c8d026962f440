# End-to-end tests of start-up and run-mode dispatch.

test_fullscreen_selectors_show_the_titled_window() {
    local sel ids geom
    for sel in /s /S /Sx; do
        start_saver "$sel"
        if ! ids=$(wait_window OstrelSS 15); then
            fail "$sel: no OstrelSS window"
        else
            geom=$(xdotool getwindowgeometry "$(echo "$ids" | head -1)")
            echo "$geom" | grep -q 'Geometry: 1024x768' || fail "$sel: window not full screen: $geom"
            echo "$geom" | grep -q 'Position: 0,0' || fail "$sel: window not at the origin: $geom"
        fi
        stop_saver
    done
}

test_second_fullscreen_instance_ends_without_a_window() {
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "first instance shows no window"; return; }
    local first
    first=$(pgrep -f '^ostrel\.scr /S' | in_our_prefix | head -1)
    # The second start joins the same desktop, where it can see the first.
    (cd "$OSTREL_ROOT/build/win64" && exec wine explorer /desktop=ostrel,1024x768 ostrel.scr /S) \
        >/dev/null 2>&1 &
    local second_launch=$! deadline=$((SECONDS + 25))
    # The launching Wine process returns once the program it started has ended.
    while kill -0 "$second_launch" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
    if kill -0 "$second_launch" 2>/dev/null; then
        fail "the second instance is still running"
        kill "$second_launch" 2>/dev/null || true
    fi
    deadline=$((SECONDS + 5))
    while [ "$(program_count)" != 1 ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
    [ "$(program_count)" = 1 ] || fail "two saver programs are running"
    [ "$(count_windows OstrelSS)" = 1 ] || fail "expected exactly one OstrelSS window"
    kill -0 "$first" 2>/dev/null || fail "the first instance was disturbed"
}

test_preview_without_a_host_window_ends() {
    local args
    for args in "/p 1234" "/p"; do
        # shellcheck disable=SC2086
        start_saver $args
        saver_ends_within 8 || fail "$args: the preview without a host is still running"
        [ "$(count_windows OstrelSS)" = 0 ] || fail "$args: a preview window carries the title"
        stop_saver
    done
}

test_unknown_selectors_end_silently() {
    local sel
    for sel in -s /x s; do
        start_saver "$sel"
        saver_ends_within 8 || fail "$sel: still running"
        [ "$(count_windows 'Ostrel.*')" = 0 ] || fail "$sel: a window was shown"
        stop_saver
    done
}

test_password_change_ends() {
    start_saver /a
    saver_ends_within 10 || fail "/a is still running"
}

test_overflowing_setting_shows_the_critical_box() {
    reg_set_dword DisplayItems 40000
    start_saver /s
    local ids
    ids=$(wait_window 'Ostrel Screen Saver' 15) || { fail "no message box"; return; }
    shot critical-box >/dev/null
    [ "$(count_windows OstrelSS)" = 0 ] || fail "the saver window is shown behind the box"
    xdotool windowactivate --sync "$(echo "$ids" | head -1)" 2>/dev/null || true
    xdotool key Return
    saver_ends_within 8 || fail "the program did not end after the box"
}

test_background_colour_comes_from_the_registry() {
    reg_set_dword BgColour 255
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1
    local png p
    png=$(shot red-background) || { fail "no screenshot"; return; }
    for p in "5 5" "512 5" "1018 5" "5 384" "1018 762" "5 762"; do
        # shellcheck disable=SC2086
        [ "$(pixel_at "$png" $p)" = "255,0,0" ] || fail "pixel $p is $(pixel_at "$png" $p), not red"
    done
}

E2E_TESTS="$E2E_TESTS
test_fullscreen_selectors_show_the_titled_window
test_second_fullscreen_instance_ends_without_a_window
test_preview_without_a_host_window_ends
test_unknown_selectors_end_silently
test_password_change_ends
test_overflowing_setting_shows_the_critical_box
test_background_colour_comes_from_the_registry
"
