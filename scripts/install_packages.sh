#!/usr/bin/env bash
# Installs with apt-get those of the named Debian packages that are missing.
# Usage: scripts/install_packages.sh package ...
set -eu

missing=""
for p in "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -n "$missing" ] || exit 0

echo "installing:$missing" >&2
SUDO=""
[ "$(id -u)" = 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
# shellcheck disable=SC2086
if ! $SUDO apt-get install -y --no-install-recommends $missing >/dev/null; then
    $SUDO apt-get update >/dev/null
    # shellcheck disable=SC2086
    $SUDO apt-get install -y --no-install-recommends $missing >/dev/null
fi
