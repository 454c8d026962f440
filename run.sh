#!/usr/bin/env bash
# Builds ostrel.scr and starts it full screen under Wine (extra arguments go
# to the saver instead of /S: ./run.sh /c opens the options dialog). With no
# X display, it runs for a few seconds on a virtual one and saves a
# screenshot.
# ./run.sh --x11 [options] builds the native X11 program and runs it in a
# window of its own (with no X display: full screen on a virtual one, and a
# screenshot); options go to the program (./run.sh --x11 -h lists them).
set -eu
ROOT="$(cd "$(dirname "$0")" && pwd)"
cd "$ROOT"

if [ "${1:-}" = "--x11" ]; then
    shift
    scripts/setup.sh x11-only
    if [ -n "${DISPLAY:-}" ]; then
        exec build/linux/ostrel -window "$@"
    fi
    n=$(for d in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$d" ] || { echo "$d"; break; }; done)
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    build/linux/ostrel -root "$@" &
    saver=$!
    trap 'kill "$saver" 2>/dev/null; wait "$saver" 2>/dev/null; kill "$xvfb" 2>/dev/null || true' EXIT
    sleep "${RUN_SECONDS:-6}"
    shot="$ROOT/build/run-x11-screenshot.png"
    import -window root "$shot"
    echo "screenshot: $shot"
    exit 0
fi

scripts/setup.sh win64-only

export WINEPREFIX="${WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
[ $# -gt 0 ] || set -- /S
cd build/win64

if [ -n "${DISPLAY:-}" ]; then
    make_wine_prefix
    exec wine ostrel.scr "$@"
fi

n=$(for d in $(seq 150 199); do [ -e "/tmp/.X11-unix/X$d" ] || { echo "$d"; break; }; done)
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
cleanup() {
    [ -n "${saver:-}" ] && kill "$saver" 2>/dev/null
    wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
# shellcheck source=scripts/wine-prefix.sh
. "$ROOT/scripts/wine-prefix.sh"
make_wine_prefix
wine explorer /desktop=ostrel,1024x768 ostrel.scr "$@" >/dev/null 2>&1 &
saver=$!
sleep "${RUN_SECONDS:-6}"
shot="$ROOT/build/run-screenshot.png"
import -window root "$shot"
echo "screenshot: $shot"
