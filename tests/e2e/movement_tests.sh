# End-to-end tests of the animation types: where the yellow block is on
# screenshots taken apart.

# Sliding, bouncing and the path move the block within a second; random
# jumping holds it still at the centre for five seconds, then jumps. Untouched
# all that while, the saver stays up.
test_every_moving_animation_moves_the_block() {
    local type b
    for type in 1 2 3 0; do
        start_with_text "move$type-a" MoveOption="$type" || continue
        sleep 1
        b=$(block_box "move$type-b")
        if [ "$type" = 0 ]; then
            centred "$BLOCK" && [ "$(corner "$BLOCK")" = "$(corner "$b")" ] ||
                fail "jumping moved before the hold time or did not start centred: $BLOCK, then $b"
            sleep 5
            b=$(block_box move0-c)
            programs 1 && [ "$(count_windows OstrelSS)" = 1 ] || fail "the saver ended by itself"
        fi
        [ -n "$b" ] && [ "$(corner "$BLOCK")" != "$(corner "$b")" ] ||
            fail "MoveOption $type: the block did not move: $BLOCK, then $b"
        stop_saver
    done
}

E2E_TESTS="$E2E_TESTS
test_every_moving_animation_moves_the_block
"
