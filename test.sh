#!/usr/bin/env bash
# Installs what the build and the tests need, builds build/ and runs every
# test; then builds the unit tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them there too. Extra
# arguments go to both ctest runs.
#
# ./test.sh --windows [ARGS] builds tarvik.exe and its tests in build-win/
# and runs them under Wine: the unit tests that need no Qt, and tarvik.exe
# itself under Xvfb.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

if [ "${1:-}" = --windows ]; then
    shift
    ensure_packages "${WINDOWS_PACKAGES[@]}" "${WINDOWS_TEST_PACKAGES[@]}"
    build_windows
    # Wine's server and services start here, not inside the first test, whose
    # output ctest would otherwise wait on for as long as they run.
    "$(dirname "$wine")/wineserver" -p
    trap '"$(dirname "$wine")/wineserver" -k 2>/dev/null || true' EXIT
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    (cd build-win && ctest --output-on-failure -j2 -LE e2e "$@" && ctest --output-on-failure -L e2e "$@")
    exit
fi

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_release
(cd build && ctest --output-on-failure -j2 "$@")

build_sanitized
(cd build-asan && ctest --output-on-failure -j2 -L unit "$@")
