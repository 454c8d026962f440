#!/usr/bin/env bash
# Builds ostrel.scr twice, from copies of the tree in two different folders,
# and fails unless the two files are byte for byte the same and neither
# holds the path it was built in.
# Usage: scripts/check_reproducible.sh
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d /tmp/ostrel-repro.XXXXXX)
trap 'rm -rf "$work"' EXIT

build() {
    local dir="$work/$1"
    mkdir -p "$dir"
    (cd "$ROOT" && tar -cf - CMakeLists.txt bench cmake res src tests) | tar -xf - -C "$dir"
    cmake -S "$dir" -B "$dir/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$dir/cmake/mingw-w64.cmake" >/dev/null &&
        cmake --build "$dir/build" --target ostrel >/dev/null
}

build first || { echo "reproducible: the first build failed"; exit 1; }
build second-copy || { echo "reproducible: the second build failed"; exit 1; }
a="$work/first/build/ostrel.scr"
b="$work/second-copy/build/ostrel.scr"
if ! cmp -s "$a" "$b"; then
    echo "reproducible: the two builds differ: $(cmp "$a" "$b" | head -1)"
    exit 1
fi
if strings "$a" | grep -q "$work"; then
    echo "reproducible: the program holds the path it was built in"
    exit 1
fi
echo "reproducible: two builds in different folders are identical ($(stat -c %s "$a") bytes)"
