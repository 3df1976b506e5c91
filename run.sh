#!/usr/bin/env bash
# Installs what the build needs, builds tarvik in build/ and starts the clock
# with the given arguments. Without a display and without arguments it draws
# the face into build/tarvik.png instead.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}"
build_release

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    build/tarvik --snapshot build/tarvik.png
    echo "tarvik: no display here; drew the face into build/tarvik.png instead"
    exit 0
fi
exec build/tarvik "$@"
