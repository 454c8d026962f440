# End-to-end tests of the animation types: where the yellow block is on
# screenshots taken apart.

test_sliding_bouncing_and_path_move_the_block() {
    local type b
    for type in 1 2 3; do
        if start_with_text "move$type-a" MoveOption="$type"; then
            sleep 1
            b=$(block_box "move$type-b")
            [ -n "$b" ] && [ "$(corner "$BLOCK")" != "$(corner "$b")" ] ||
                fail "MoveOption $type: the block did not move in a second: $BLOCK, then $b"
        fi
        stop_saver
    done
}

test_random_jumping_holds_then_jumps_and_the_saver_stays_up() {
    local b c
    start_with_text move0-a MoveOption=0 || return
    centred "$BLOCK" || fail "not centred first: $BLOCK"
    sleep 1
    b=$(block_box move0-b)
    [ "$(corner "$BLOCK")" = "$(corner "$b")" ] || fail "moved before the hold time: $BLOCK, then $b"
    sleep 5
    c=$(block_box move0-c)
    [ -n "$c" ] && [ "$(corner "$BLOCK")" != "$(corner "$c")" ] || fail "no jump after about 5 s: $BLOCK, then $c"
    # Untouched for some seven seconds, it is still up.
    programs 1 && [ "$(count_windows OstrelSS)" = 1 ] || fail "the saver ended by itself"
}

E2E_TESTS="$E2E_TESTS
test_sliding_bouncing_and_path_move_the_block
test_random_jumping_holds_then_jumps_and_the_saver_stays_up
"
