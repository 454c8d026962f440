#!/usr/bin/env bash
# Fails when the program's own code keeps state in a variable of static
# storage: one at namespace or file scope, or a function-level static (its
# guard variable shows it too). Each front end's running state is one object
# and the core has none, so every such variable is a fault.
# It reads the symbols of the built objects of the portable program
# (build/host), the X11 program (build/linux) and ostrel.scr (build/win64):
# writable data (.data, .bss) and unique globals defined in namespace ostrel.
# A constant table that needs building at start-up (strings, say) lands in
# writable data too; constants are named k + PascalCase and are let through.
# Usage: scripts/check_globals.sh
set -u
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cd "$ROOT"

found=0
checked=0
scan() {
    local nm="$1" dir="$2" target="$3"
    [ -d "$dir" ] || return 0
    while IFS= read -r object; do
        checked=$((checked + 1))
        while IFS= read -r symbol; do
            echo "globals: ${object#"$ROOT"/}: $symbol"
            found=1
        done < <("$nm" -C --defined-only "$object" 2>/dev/null |
            awk '$2 ~ /^[bBdDuV]$/ { $1 = ""; $2 = ""; sub(/^  */, ""); print }' |
            grep 'ostrel::' | grep -vE '^(typeinfo|vtable|DW\.ref|VTT)' |
            grep -vE '::k[A-Z][A-Za-z0-9]*$')
    done < <(objects "$dir" "$target")
}

# The objects the build makes now of the program's own sources (a build
# folder can hold objects of files that have since moved).
objects() {
    local dir="$1" target="$2"
    [ -f "$dir/compile_commands.json" ] || return 0
    grep -o -- "-o CMakeFiles/$target\.dir/src/[^ ]*" "$dir/compile_commands.json" |
        sed "s#^-o #$dir/#" | sort -u |
        while IFS= read -r o; do [ -f "$o" ] && echo "$o"; done
}

scan nm build/host ostrel_core
scan nm build/linux ostrel
scan x86_64-w64-mingw32-nm build/win64 ostrel

if [ "$checked" = 0 ]; then
    echo "globals: no built objects to read (run scripts/setup.sh first)"
    exit 1
fi
[ "$found" = 0 ] && echo "globals: no state in static storage ($checked objects)"
exit "$found"
