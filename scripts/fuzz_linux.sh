#!/usr/bin/env bash
# Builds the fuzzers of the Linux readers with clang++-14 and runs each for
# a while (default 30 seconds), starting from this machine's own files.
# Usage: scripts/fuzz_linux.sh [seconds]
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
SECONDS_EACH="${1:-30}"
BUILD="$ROOT/build/fuzz-linux"
cmake -S "$ROOT/fuzz/linux" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null &&
    cmake --build "$BUILD" >&2 || { echo "fuzz: the build failed"; exit 1; }

seeds() {
    local corpus="$BUILD/corpus/$1"
    mkdir -p "$corpus"
    case "$1" in
        linux_processor_stat_fuzzer) cp /proc/stat "$corpus/stat" ;;
        linux_memory_info_fuzzer) { cat /proc/meminfo; printf '\0'; cat /proc/self/status; } >"$corpus/meminfo" ;;
        linux_net_dev_fuzzer) cp /proc/net/dev "$corpus/dev" ;;
        linux_settings_file_fuzzer)
            printf 'FontName = "Verdana"\nFontSize = 10\nBgColour = 0x00000080\nDescr = "a\\x01\\"b"\n' >"$corpus/settings" ;;
        linux_saver_options_fuzzer) printf -- '-root\0-fg\0#FFFF00\0-items\0cpu,time\0-no-cpu\0--delay\0%s\0-fps' 20000 >"$corpus/args" ;;
    esac
    echo "$corpus"
}

failed=0
for fuzzer in "$BUILD"/linux_*_fuzzer; do
    name=$(basename "$fuzzer")
    corpus=$(seeds "$name")
    if "$fuzzer" -max_total_time="$SECONDS_EACH" -max_len=8192 -artifact_prefix="$BUILD/" "$corpus" \
        >"$BUILD/$name.log" 2>&1; then
        echo "fuzz: $name: $(grep -o 'Done [0-9]* runs' "$BUILD/$name.log" | tail -1)"
    else
        echo "fuzz: $name FAILED (see $BUILD/$name.log)"
        tail -20 "$BUILD/$name.log"
        failed=$((failed + 1))
    fi
done
[ "$failed" = 0 ]
