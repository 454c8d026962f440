# Sourced: makes the Wine prefix in $WINEPREFIX once. Debian's wine64 does not
# pick up its own fonts (Tahoma, the dialog font among them), so they are
# copied into the prefix's font folder.
make_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "creating the Wine prefix (once, about 10 s)" >&2
        timeout 180 wineboot -i >/dev/null 2>&1 || true
        # The server that made the prefix would otherwise serve the run,
        # leaving whenever its last program ends and coming back for the
        # next one: a persistent server started after it behaves as on
        # every later run.
        timeout 60 wineserver -k >/dev/null 2>&1 || true
        timeout 60 wineserver -w >/dev/null 2>&1 || true
    fi
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -f "$fonts/tahoma.ttf" ]; then
        cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
    fi
}
