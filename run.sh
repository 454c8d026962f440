#!/usr/bin/env bash
# Builds ostrel.scr and starts it full screen under Wine (extra arguments go
# to the saver instead of /S: ./run.sh /c opens the options dialog). With no
# X display, it runs for a few seconds on a virtual one and saves a
# screenshot.
set -eu
ROOT="$(cd "$(dirname "$0")" && pwd)"
cd "$ROOT"
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
