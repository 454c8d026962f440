#!/usr/bin/env bash
# Fails when a file of a lower layer includes a header of a higher one, when
# the seam's folder holds anything but headers, or when one platform's
# folder reaches into another's.
# Layers, lowest first (the README explains them):
#   common, platform (the seam's headers), settings, sources, movement,
#   display, options, startup; then each platform's portable part
#   (windows/portable, linux/portable, x11/portable); then the platform
#   code itself: linux (the kernel), and the front ends windows and x11.
# Usage: scripts/check_layers.sh [source folder]   (default: src)
set -u
SRC="${1:-$(cd "$(dirname "$0")/.." && pwd)/src}"

rank() {
    case "$1" in
        common/*) echo 0 ;;
        platform/*) echo 1 ;;
        settings/*) echo 2 ;;
        sources/*) echo 3 ;;
        movement/*) echo 4 ;;
        display/*) echo 5 ;;
        options/*) echo 6 ;;
        startup/*) echo 7 ;;
        windows/portable/* | linux/portable/* | x11/portable/*) echo 8 ;;
        linux/*) echo 9 ;;
        windows/* | x11/*) echo 10 ;;
        *) echo -1 ;;
    esac
}

# The platform a path belongs to; empty for the portable program.
platform_of() {
    case "$1" in
        windows/*) echo windows ;;
        linux/*) echo linux ;;
        x11/*) echo x11 ;;
        *) echo "" ;;
    esac
}

# Whether a file of one platform may include a header of another: the X11
# front end runs on the Linux kernel and uses its readers.
may_reach() {
    local from="$1" to="$2"
    [ -z "$to" ] || [ "$from" = "$to" ] || { [ "$from" = x11 ] && [ "$to" = linux ]; }
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
    case "$rel" in
        platform/*.h) ;;
        platform/*)
            echo "layers: $rel is not a header; the seam's folder holds headers only"
            bad=1
            ;;
    esac
    while IFS= read -r target; do
        to=$(rank "$target")
        if [ "$to" -lt 0 ] || [ "$to" -gt "$from" ]; then
            echo "layers: $rel includes $target, which is above it"
            bad=1
        elif ! may_reach "$(platform_of "$rel")" "$(platform_of "$target")"; then
            echo "layers: $rel includes $target, which belongs to another platform"
            bad=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$SRC" -type f | sort)

[ "$bad" = 0 ] && echo "layers: every include runs downward"
exit "$bad"
