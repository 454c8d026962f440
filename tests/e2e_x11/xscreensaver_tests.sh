# Tests under Debian's own XScreenSaver and as its settings dialog runs
# display programs; sourced by tests/e2e_x11/run.sh, whose display, helpers
# and counts they share. XScreenSaver runs no display program as root, so
# it runs as a user of its own, made here once.

XSS_USER=ostrel-xss-test

# Runs a command as the test user on the test display, with a clean environment.
as_xss_user() {
    setpriv --reuid="$(id -u $XSS_USER)" --regid="$(id -g $XSS_USER)" --init-groups \
        env -i HOME="$XSS_HOME" USER=$XSS_USER LOGNAME=$XSS_USER PATH=/usr/bin:/bin \
        DISPLAY="$DISPLAY" "$@"
}

# The pid of the latest copy of ostrel that XScreenSaver's log says it started.
forked_ostrel() {
    sed -n 's/.*forked "[^"]*ostrel [^"]*" in pid \([0-9]*\).*/\1/p' "$WORK/xss.log" | tail -1
}
log_has() { grep -q "$1" "$WORK/xss.log"; }
new_ostrel() { local p; p=$(forked_ostrel); [ -n "$p" ] && [ "$p" != "$1" ]; }
# Ended, or ended and left unreaped: XScreenSaver's helper that started it
# may end first, and nothing here reaps orphans.
ended() { gone "$1" || [ "$(ps -o stat= -p "$1" | cut -c1)" = Z ]; }

# Activated with ostrel selected, it shows the text with one CPU figure per
# processor; another hack taken instead ends it by SIGTERM (XScreenSaver's
# log says so, not "exited abnormally"); deactivated, it ends within a second.
test_under_xscreensaver() {
    local processors ostrel again cpu
    if [ "$(id -u)" != 0 ] || ! command -v xscreensaver >/dev/null; then
        fail "needs root (to make the test user) and xscreensaver"
        return
    fi
    id -u $XSS_USER >/dev/null 2>&1 || useradd -m -s /bin/sh $XSS_USER || { fail "no test user"; return; }
    XSS_HOME=$(getent passwd $XSS_USER | cut -d: -f6)
    # The programs: resource is one value over several lines.
    cat >"$XSS_HOME/.xscreensaver" <<CONF
mode: one
selected: 0
timeout: 0:30:00
lock: False
fade: False
unfade: False
splash: False
programs: \\
  "Ostrel" $BIN/ostrel --root --print-text --items time,cpu \\n\\
  "Deco" deco --root \\n
CONF
    chown $XSS_USER: "$XSS_HOME/.xscreensaver"
    chmod o+rx "$WORK"  # the program's folders are readable by everyone already
    # In its home folder, without a shell between: $! is XScreenSaver itself.
    (cd "$XSS_HOME" && exec setpriv --reuid="$(id -u $XSS_USER)" --regid="$(id -g $XSS_USER)" \
        --init-groups env -i HOME="$XSS_HOME" USER=$XSS_USER PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
        xscreensaver --verbose --no-splash >"$WORK/xss.log" 2>&1) &
    pids+=($!)
    within 5 as_xss_user xscreensaver-command -version >/dev/null 2>&1 || { fail "no xscreensaver"; return; }
    as_xss_user xscreensaver-command -activate >/dev/null 2>&1
    within 5 new_ostrel "" || { fail "ostrel was not started: $(tail -5 "$WORK/xss.log")"; return; }
    ostrel=$(forked_ostrel)
    processors=$(grep -c '^cpu[0-9]' /proc/stat)
    within 5 log_has '^CPU usage:.*%.*' || fail "no text in the log"
    sleep 1.5
    import -window root "$WORK/xss.png"
    [ "$(count_colour "$WORK/xss.png" '#FFFFFF')" -gt 40 ] || fail "no text on the screen"
    cpu=$(grep '^CPU usage:' "$WORK/xss.log" | tail -1)
    [ "$(echo "$cpu" | awk '{ print NF - 2 }')" = "$processors" ] || fail "not $processors figures: $cpu"

    as_xss_user xscreensaver-command -select 2 >/dev/null 2>&1
    within 3 log_has "pid $ostrel .*exited normally with SIGTERM" ||
        fail "not ended by SIGTERM: $(grep "pid $ostrel" "$WORK/xss.log" | tail -2)"
    log_has "pid $ostrel .*abnormally" && fail "logged as an abnormal end"

    as_xss_user xscreensaver-command -select 1 >/dev/null 2>&1
    within 5 new_ostrel "$ostrel" || { fail "ostrel was not started again"; return; }
    again=$(forked_ostrel)
    within 3 kill -0 "$again" 2>/dev/null
    as_xss_user xscreensaver-command -deactivate >/dev/null 2>&1
    within 1 ended "$again" || fail "still running a second after -deactivate"
    as_xss_user xscreensaver-command -exit >/dev/null 2>&1
}

# The height in pixels of what is not background in a picture.
drawn_height() {
    convert "$1" -fuzz 10% -trim -format '%h' info: 2>/dev/null
}
# The picture's trimmed box: "W H X Y".
drawn_box() {
    convert "$1" -fuzz 10% -trim -format '%w %h %X %Y' info: 2>/dev/null | tr -d +
}

# The settings dialog's preview: --window-id into a 400x300 window shows
# the text; grown to 800x600 the text moves into the new part and stays
# whole inside; shrunk back it is whole inside again.
test_preview_follows_its_window() {
    local box w h x y i seen_beyond=0
    start_host 400 300
    start_saver preview --window-id "$host" --animation bounce
    sleep 0.5
    import -window "$host" "$WORK/preview-small.png"
    read -r w h x y <<<"$(drawn_box "$WORK/preview-small.png")"
    [ "${h:-0}" -ge 20 ] && [ "${h:-0}" -lt 300 ] || fail "no preview text: ${w}x${h}"
    xdotool windowsize "$host" 800 600
    for i in 1 2 3 4 5; do
        sleep 0.3
        import -window "$host" "$WORK/preview-big-$i.png"
        read -r w h x y <<<"$(drawn_box "$WORK/preview-big-$i.png")"
        [ "${h:-0}" -ge 20 ] || fail "no text after the resize ($i)"
        [ $((x + w)) -le 800 ] && [ $((y + h)) -le 600 ] || fail "text outside: ${w}x${h}+$x+$y"
        [ $((x + w)) -gt 400 ] || [ $((y + h)) -gt 300 ] && seen_beyond=1
    done
    [ "$seen_beyond" = 1 ] || fail "the text kept to the old 400x300"
    xdotool windowsize "$host" 400 300
    sleep 0.4
    import -window "$host" "$WORK/preview-back.png"
    [ "$(drawn_height "$WORK/preview-back.png")" = "$(drawn_height "$WORK/preview-small.png")" ] ||
        fail "the text is not whole after shrinking back"
}

# The settings saved with the switches given, in a folder of their own.
saved_with() {
    local dir
    dir=$(mktemp -d "$WORK/saved.XXXXXX")
    XDG_CONFIG_HOME="$dir" "$BIN/ostrel" -save "$@" >/dev/null && cat "$dir/ostrel/settings"
}

# The description XScreenSaver's dialog reads is valid by XScreenSaver's
# rules, and every switch it can write is taken without a word on
# standard error. XScreenSaver writes nothing for a control left at its
# default, so every default must be the program's own: a number at its
# default, or the list entry without a switch, saves just what no switch
# does, and every check box's or list entry's switch saves something else.
test_settings_description_is_valid_and_taken() {
    local args xml="$ROOT/res/ostrel.xml" plain switch id
    xmllint --noout --dtdvalid "$ROOT/tests/e2e_x11/xss.dtd" "$xml" || fail "not valid by xss.dtd"
    plain=$(saved_with) || fail "-save failed"
    while read -r switch; do
        # shellcheck disable=SC2086
        [ "$(saved_with $switch)" != "$plain" ] || fail "$switch saves the defaults"
    done < <(grep -o 'arg-[a-z]*set="[^"]*"' "$xml" | sed 's/^[^"]*"//; s/"$//')
    for id in randomness fontsize; do
        switch=$(xmllint --xpath "string(//number[@id='$id']/@arg)" "$xml")
        # shellcheck disable=SC2086
        [ "$(saved_with ${switch/\%/$(xmllint --xpath "string(//number[@id='$id']/@default)" "$xml")})" = "$plain" ] ||
            fail "the $id control's default is not the program's"
    done
    id=$(xmllint --xpath "string(//option[not(@arg-set)]/@id)" "$xml")
    [ "$(saved_with -animation "$id")" = "$plain" ] || fail "the list's default, $id, is not the program's"
    args=$(grep -o 'arg[a-z-]*="[^"]*"' "$xml" | sed 's/^[^"]*"//; s/"$//; s/^\(-[fb]g\) %/\1 SteelBlue/; s/%/7/')
    # shellcheck disable=SC2086
    start_saver switches $args
    sleep 0.3
    gone "$saver" && fail "it ended"
    [ -s "$WORK/switches.err" ] && fail "told: $(cat "$WORK/switches.err")"
}

# A 5760x2160 screen made of a 1920x1080 and a 3840x2160 monitor, with a
# window over each as XScreenSaver gives one per monitor. (Xvfb has one
# RandR monitor whatever it is told; Xephyr inside it joins two screens
# with Xinerama, which the program reads where RandR sees one monitor.)
# The window over the small monitor gets the full-size text, as high as on
# the root window; with the text kept on the primary monitor, the copy on
# the big one shows the background alone.
free_display() {
    local n
    for n in $(seq "$1" "$(($1 + 20))"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { echo "$n"; return; }
    done
}
test_window_on_a_small_monitor_is_full_size() {
    local outer inner full given small_host small_pid
    outer=$(free_display 170)
    Xvfb ":$outer" -screen 0 5760x2160x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    DISPLAY=":$outer" within 5 xdpyinfo >/dev/null 2>&1 || { fail "no outer display"; return; }
    inner=$(free_display "$((outer + 1))")
    DISPLAY=":$outer" Xephyr ":$inner" +xinerama -screen 1920x1080+0+0 -screen 3840x2160+1920+0 \
        -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    local DISPLAY=":$inner"
    export DISPLAY
    within 5 xdpyinfo >/dev/null 2>&1 || { fail "no display of two monitors"; return; }
    xdpyinfo -ext XINERAMA | grep -q "head #1: 3840x2160 @ 1920,0" || fail "not two monitors"
    start_saver full -root -animation centre -items time,cpu,uptime
    sleep 0.5
    import -window root "$WORK/full.png"
    full=$(drawn_height "$WORK/full.png")
    stop "$saver"
    start_host 1920 1080 0 0
    small_host=$host small_pid=$host_pid
    XSCREENSAVER_WINDOW=$small_host start_saver small -primary-only -animation centre \
        -items time,cpu,uptime
    start_host 3840 2160 1920 0
    XSCREENSAVER_WINDOW=$host start_saver big -primary-only -animation centre -items time,cpu,uptime
    sleep 0.5
    import -window "$small_host" "$WORK/small.png"
    given=$(drawn_height "$WORK/small.png")
    [ "${given:-0}" -ge 30 ] && [ "$given" = "$full" ] ||
        fail "text $given pixels high in the small monitor's window, $full on the root"
    import -window "$host" "$WORK/big.png"
    [ "$(convert "$WORK/big.png" -format %k info:)" = 1 ] ||
        fail "the big monitor's copy draws more than its background"
    stop "$saver"
    stop "$host_pid"
    stop "$small_pid"
}
