# End-to-end tests of the running saver: its window, the text block,
# dismissal, preview.

test_fullscreen_shows_the_text_and_a_second_start_leaves_it_alone() {
    local first second rest b w h X Y WIDTH HEIGHT
    start_with_text saver-text MoveOption=4 BgColour=255 || return
    eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^OstrelSS$' | head -1)")"
    [ "$X,$Y,$WIDTH,$HEIGHT" = 0,0,1024,768 ] || fail "window ${WIDTH}x$HEIGHT at $X,$Y, not the whole screen"
    centred "$BLOCK" || fail "the block is not centred: $BLOCK"
    # Everything but the text block is the stored background colour.
    rest=$(colour_box "$SHOTS/saver-text.png" 'rgb(255,0,0)' other)
    IFS='x+' read -r w h _ <<<"$rest"
    centred "$rest" && [ "$w" -lt 500 ] && [ "$h" -lt 300 ] || fail "not the background around the text: $rest"

    # A second start sees the first and ends by itself, in the same desktop.
    first=$(pgrep -f '^ostrel\.scr /S' | in_our_prefix | head -1)
    in_desktop ostrel.scr /S
    second=$!
    within 25 gone "$second" || { fail "the second start is still running"; kill "$second"; }
    within 5 programs 1 || fail "two saver programs are running"
    [ "$(count_windows OstrelSS)" = 1 ] || fail "expected exactly one OstrelSS window"
    gone "$first" && fail "the first saver was disturbed"

    # Untouched all this while, the still block has stayed where it was.
    b=$(block_box saver-text-later)
    [ "$(corner "$BLOCK")" = "$(corner "$b")" ] || fail "the still block moved: $BLOCK, then $b"
    xdotool key shift
    within 1 programs 0 || fail "still running a second after a key"
}

test_a_missing_font_still_shows_text_and_a_click_ends() {
    start_with_text saver-missing-font MoveOption=4 FontName="No Such Face At All" FontSize=20 FontSettings=1 ||
        return
    [ "$(count_windows 'Ostrel Screen Saver')" = 0 ] || fail "a message box came up"
    xdotool mousemove 40 40 click 1
    within 1 programs 0 || fail "still running a second after a click"
}

test_ten_pointer_moves_end_the_saver_and_five_do_not() {
    local i
    start_with_text moves MoveOption=4 || return
    for i in 1 2 3 4 5; do xdotool mousemove $((50 + i * 20)) 60; sleep 0.1; done
    sleep 1
    programs 1 || { fail "five movements ended the saver"; return; }
    # The centring announced two movements of its own, which are swallowed.
    for i in 1 2 3 4 5 6 7; do xdotool mousemove $((50 + i * 20)) 120; sleep 0.1; done
    within 2 programs 0 || fail "twelve movements did not end the saver"
}

test_preview_lives_inside_its_host() {
    local out rc
    out=$(cd "$OSTREL_ROOT/build/win64" && timeout 60 wine preview_host.exe 2>/dev/null)
    rc=$?
    printf '%s\n' "$out" | sed 's/^/    /' >&2
    [ "$rc" = 0 ] || fail "the preview host saw $rc failures"
    printf '%s\n' "$out" | grep -q '^PASS destroying the picture ends the saver' ||
        fail "the host did not finish"
}

E2E_TESTS="$E2E_TESTS
test_fullscreen_shows_the_text_and_a_second_start_leaves_it_alone
test_a_missing_font_still_shows_text_and_a_click_ends
test_ten_pointer_moves_end_the_saver_and_five_do_not
test_preview_lives_inside_its_host
"
