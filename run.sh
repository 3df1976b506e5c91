#!/usr/bin/env bash
# Installs what the build needs, builds tarvik in build/ and starts the clock.
# Without a display it draws the face into build/tarvik.png instead.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}"
build_release

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "tarvik: no display here; drew the face into build/tarvik.png instead"
    exec build/tarvik --snapshot build/tarvik.png
fi
exec build/tarvik "$@"
