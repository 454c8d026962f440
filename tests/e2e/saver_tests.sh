# End-to-end tests of the running saver: the text block, dismissal, preview.

# Yellow text on black, centred and still, so the pixels can be checked.
still_yellow_text() {
    reg_set_dword FontColour 65535
    reg_set_dword MoveOption 4
}

test_saver_text_appears_centred_in_the_font_colour() {
    still_yellow_text
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1.2
    local png box w h x y
    png=$(shot saver-text) || { fail "no screenshot"; return; }
    box=$(colour_box "$png" 'rgb(255,255,0)')
    IFS='x+' read -r w h x y <<<"$box"
    log "    text pixels in $box"
    [ "${w:-0}" -gt 60 ] && [ "${h:-0}" -gt 30 ] || { fail "no text block in the font colour ($box)"; return; }
    [ "$w" -lt 500 ] && [ "$h" -lt 300 ] || fail "font-colour pixels outside the block ($box)"
    local cx=$((x + w / 2)) cy=$((y + h / 2))
    [ $((cx - 512)) -lt 40 ] && [ $((512 - cx)) -lt 40 ] || fail "block not centred across: $cx"
    [ $((cy - 384)) -lt 40 ] && [ $((384 - cy)) -lt 40 ] || fail "block not centred down: $cy"
    # Everything outside the block is the background.
    [ "$(pixel_at "$png" 5 5)" = "0,0,0" ] || fail "background is not black"
    [ "$(pixel_at "$png" $((x - 5)) $((y + h / 2)))" = "0,0,0" ] || fail "left of the block is not black"
}

test_saver_runs_with_a_font_that_does_not_exist() {
    still_yellow_text
    reg_set_text FontName "No Such Face At All"
    reg_set_dword FontSize 20
    reg_set_dword FontSettings 1
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1.2
    local png box w h
    png=$(shot saver-missing-font) || { fail "no screenshot"; return; }
    box=$(colour_box "$png" 'rgb(255,255,0)')
    IFS='x+' read -r w h _ _ <<<"$box"
    [ "${w:-0}" -gt 60 ] || fail "no text with a missing font ($box)"
    [ "$(count_windows 'Ostrel Screen Saver')" = 0 ] || fail "a message box came up"
}

test_a_key_ends_the_saver_within_a_second() {
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1
    xdotool key shift
    saver_ends_within_ms 1000 || fail "still running a second after a key"
}

test_a_click_on_the_background_ends_the_saver() {
    still_yellow_text
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1
    xdotool mousemove 40 40 click 1
    saver_ends_within_ms 1000 || fail "still running a second after a click"
}

test_ten_pointer_moves_end_the_saver_and_five_do_not() {
    still_yellow_text
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 1
    local i
    for i in 1 2 3 4 5; do xdotool mousemove $((50 + i * 20)) 60; sleep 0.1; done
    sleep 1
    [ "$(program_count)" = 1 ] || { fail "five movements ended the saver"; return; }
    # The centring announced two movements of its own, which are swallowed.
    for i in 1 2 3 4 5 6 7; do xdotool mousemove $((50 + i * 20)) 120; sleep 0.1; done
    saver_ends_within_ms 1500 || fail "twelve movements did not end the saver"
}

test_the_saver_stays_up_untouched() {
    start_saver /S
    wait_window OstrelSS 15 >/dev/null || { fail "no OstrelSS window"; return; }
    sleep 20
    [ "$(program_count)" = 1 ] || fail "the saver ended by itself"
    [ "$(count_windows OstrelSS)" = 1 ] || fail "the window went away"
}

test_preview_lives_inside_its_host() {
    local out rc
    out=$(cd "$OSTREL_ROOT/build/win64" && timeout 60 wine preview_host.exe ostrel.scr 2>/dev/null)
    rc=$?
    printf '%s\n' "$out" | sed 's/^/    /' >&2
    [ "$rc" = 0 ] || fail "the preview host saw $rc failures"
    printf '%s\n' "$out" | grep -q '^PASS destroying the picture ends the saver' ||
        fail "the host did not finish"
}

E2E_TESTS="$E2E_TESTS
test_saver_text_appears_centred_in_the_font_colour
test_saver_runs_with_a_font_that_does_not_exist
test_a_key_ends_the_saver_within_a_second
test_a_click_on_the_background_ends_the_saver
test_ten_pointer_moves_end_the_saver_and_five_do_not
test_the_saver_stays_up_untouched
test_preview_lives_inside_its_host
"
