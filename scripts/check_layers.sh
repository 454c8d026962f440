#!/usr/bin/env bash
# Fails when a file of a lower layer includes a header of a higher one.
# Layers, lowest first (the README explains them):
#   common, platform (the seam's headers), settings, sources, movement,
#   display, options, startup, platform/win32 and platform/x11
# Usage: scripts/check_layers.sh [source folder]   (default: src)
set -u
SRC="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

rank() {
    case "$1" in
        common/*) echo 0 ;;
        platform/win32/*) echo 8 ;;
        platform/x11/*) echo 8 ;;
        platform/*) echo 1 ;;
        settings/*) echo 2 ;;
        sources/*) echo 3 ;;
        movement/*) echo 4 ;;
        display/*) echo 5 ;;
        options/*) echo 6 ;;
        startup/*) echo 7 ;;
        *) echo -1 ;;
    esac
}

bad=0
while IFS= read -r file; do
    rel="${file#"$SRC"/}"
    from=$(rank "$rel")
    if [ "$from" -lt 0 ]; then
        echo "layers: $rel is in no known layer"
        bad=1
        continue
    fi
    while IFS= read -r target; do
        to=$(rank "$target")
        if [ "$to" -lt 0 ] || [ "$to" -gt "$from" ]; then
            echo "layers: $rel includes $target, which is above it"
            bad=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$SRC" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

[ "$bad" = 0 ] && echo "layers: every include runs downward"
exit "$bad"
