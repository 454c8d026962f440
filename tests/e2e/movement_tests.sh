# End-to-end tests of the five animation types: where the block is on
# screenshots taken a second apart.

# Starts the saver with a still-to-be-found yellow block and the animation
# type given; prints nothing, fails the test when no window comes.
start_with_animation() {
    reg_set_dword FontColour 65535
    reg_set_dword MoveOption "$1"
    start_saver /S
    wait_window OstrelSS 15 >/dev/null
}

# The yellow block's box "WxH+X+Y" on a fresh screenshot.
block_box() {
    local png
    png=$(shot "$1") || return 1
    colour_box "$png" 'rgb(255,255,0)'
}

box_x() { local w h x y; IFS='x+' read -r w h x y <<<"$1"; echo "$x"; }
box_y() { local w h x y; IFS='x+' read -r w h x y <<<"$1"; echo "$y"; }
box_centre_x() { local w h x y; IFS='x+' read -r w h x y <<<"$1"; echo $((x + w / 2)); }
box_centre_y() { local w h x y; IFS='x+' read -r w h x y <<<"$1"; echo $((y + h / 2)); }
near() { [ $(($1 - $2)) -lt "$3" ] && [ $(($2 - $1)) -lt "$3" ]; }

check_moving_type() {
    local type="$1" a b
    start_with_animation "$type" || { fail "no window"; return; }
    sleep 1.2
    a=$(block_box "move$type-a")
    sleep 1
    b=$(block_box "move$type-b")
    log "    MoveOption $type: $a then $b"
    [ "$a" != "0x0+0+0" ] && [ "$b" != "0x0+0+0" ] || { fail "no block on screen"; return; }
    [ "$(box_x "$a"),$(box_y "$a")" != "$(box_x "$b"),$(box_y "$b")" ] ||
        fail "the block did not move in a second"
}

test_random_sliding_moves_the_block() { check_moving_type 1; }
test_bounce_off_sides_moves_the_block() { check_moving_type 2; }
test_random_path_moves_the_block() { check_moving_type 3; }

test_stationary_block_stays_in_the_centre() {
    local a b
    start_with_animation 4 || { fail "no window"; return; }
    sleep 1.2
    a=$(block_box move4-a)
    sleep 1
    b=$(block_box move4-b)
    log "    MoveOption 4: $a then $b"
    near "$(box_centre_x "$a")" 512 40 && near "$(box_centre_y "$a")" 384 40 || fail "not centred: $a"
    [ "$(box_x "$a"),$(box_y "$a")" = "$(box_x "$b"),$(box_y "$b")" ] || fail "the block moved"
}

test_random_jumping_holds_then_jumps() {
    local a b c
    start_with_animation 0 || { fail "no window"; return; }
    sleep 1.2
    a=$(block_box move0-a)
    sleep 1
    b=$(block_box move0-b)
    near "$(box_centre_x "$a")" 512 40 && near "$(box_centre_y "$a")" 384 40 || fail "not centred first: $a"
    [ "$(box_x "$a"),$(box_y "$a")" = "$(box_x "$b"),$(box_y "$b")" ] || fail "moved before the hold time"
    sleep 4.5
    c=$(block_box move0-c)
    log "    MoveOption 0: $a, $b, then $c"
    [ "$c" != "0x0+0+0" ] || { fail "no block after the jump"; return; }
    [ "$(box_x "$a"),$(box_y "$a")" != "$(box_x "$c"),$(box_y "$c")" ] || fail "no jump after about 5 s"
}

E2E_TESTS="$E2E_TESTS
test_random_jumping_holds_then_jumps
test_random_sliding_moves_the_block
test_bounce_off_sides_moves_the_block
test_random_path_moves_the_block
test_stationary_block_stays_in_the_centre
"
