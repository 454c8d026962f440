# End-to-end tests of start-up and run-mode dispatch.

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

E2E_TESTS="$E2E_TESTS
test_preview_without_a_host_window_ends
test_unknown_selectors_end_silently
test_password_change_ends
test_overflowing_setting_shows_the_critical_box
"
