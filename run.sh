#!/usr/bin/env bash
# Installs what the build needs, builds tarvik in build/ and starts the clock
# with the given arguments. Without a display and without arguments it draws
# the face into build/tarvik.png instead.
#
# ./run.sh --windows [ARGS] does the same for the Windows build: tarvik.exe,
# built in build-win/ with MinGW-w64 and run with Wine.
#
# ./run.sh --package builds the Debian package build/tarvik_VERSION_amd64.deb
# (install it with: sudo apt install ./build/tarvik_VERSION_amd64.deb), and
# ./run.sh --package --windows the installer build-win/tarvik-VERSION-win64.msi
# and the zip build-win/tarvik-VERSION-win64.zip.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

if [ "${1:-}" = --package ]; then
    if [ "${2:-}" = --windows ]; then
        ensure_packages "${WINDOWS_PACKAGES[@]}"
        build_windows
        (cd build-win && cpack)
    else
        ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev
        build_release
        (cd build && cpack)
    fi
    exit
fi

if [ "${1:-}" = --windows ]; then
    shift
    ensure_packages "${WINDOWS_PACKAGES[@]}"
    build_windows
    if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ]; then
        "$wine" build-win/tarvik.exe --snapshot build-win/tarvik.png
        echo "tarvik: no display here; drew the face into build-win/tarvik.png instead"
        exit 0
    fi
    exec "$wine" build-win/tarvik.exe "$@"
fi

ensure_packages "${BUILD_PACKAGES[@]}"
build_release

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    build/tarvik --snapshot build/tarvik.png
    echo "tarvik: no display here; drew the face into build/tarvik.png instead"
    exit 0
fi
exec build/tarvik "$@"
