#!/usr/bin/env bash
# Installs what the builds and tests need on a Debian machine, then
# configures and builds: natively (plain and sanitized), the native X11
# program, and for Windows.
# Usage: scripts/setup.sh [win64-only | x11-only]
set -eu
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"

scripts/install_packages.sh cmake ninja-build g++ libgtest-dev googletest libbenchmark-dev \
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 \
    xvfb xdotool imagemagick x11-utils fonts-wine fonts-dejavu-core \
    pkg-config libx11-dev libxft-dev libxrandr-dev libxinerama-dev libfontconfig-dev x11-apps \
    xscreensaver xserver-xephyr x11-xserver-utils libxml2-utils dpkg-dev fakeroot \
    clang-14 libclang-rt-14-dev

configure() {
    local dir="$1"; shift
    [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

if [ "${1:-}" != "win64-only" ]; then
    configure build/linux -DOSTREL_X11=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build/linux >&2
fi
[ "${1:-}" = "x11-only" ] && exit 0
configure build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
cmake --build build/win64 >&2
if [ "${1:-}" != "win64-only" ]; then
    configure build/host -DCMAKE_BUILD_TYPE=RelWithDebInfo
    configure build/host-asan -DCMAKE_BUILD_TYPE=Debug -DOSTREL_SANITIZE=ON
    cmake --build build/host >&2
    cmake --build build/host-asan >&2
fi
