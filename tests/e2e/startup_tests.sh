# End-to-end tests of the run modes that show no saver window.

test_preview_without_a_host_unknown_selector_and_password_change_end() {
    local args launchers=() pid
    # Started side by side, each ends by itself; ending unasked also means
    # that no message box waited for an answer. The first launcher holds the
    # desktop until every program in it has ended.
    for args in "/p 1234" /p /x /a; do
        # shellcheck disable=SC2086
        in_desktop ostrel.scr $args
        launchers+=($!)
    done
    within 10 gone "${launchers[@]}" && programs 0 && return
    for pid in $(pgrep -f '^ostrel\.scr' | in_our_prefix); do
        fail "$(tr '\0' ' ' <"/proc/$pid/cmdline" | xargs) is still running"
    done
    programs 0 && fail "a launcher is still running"
}

test_overflowing_setting_shows_the_critical_box() {
    local ids
    reg_set DisplayItems=40000
    start_saver /s
    ids=$(wait_window 'Ostrel Screen Saver' 15) || { fail "no message box"; return; }
    shot critical-box >/dev/null
    [ "$(count_windows OstrelSS)" = 0 ] || fail "the saver window is shown behind the box"
    xdotool windowactivate --sync "${ids%%$'\n'*}" 2>/dev/null
    xdotool key Return
    within 8 saver_ended || fail "the program did not end after the box"
}

E2E_TESTS="$E2E_TESTS
test_preview_without_a_host_unknown_selector_and_password_change_end
test_overflowing_setting_shows_the_critical_box
"
