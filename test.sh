#!/usr/bin/env bash
# Installs what the build and the tests need, builds build/ and runs every
# test; then builds the unit tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them there too. Extra
# arguments go to both ctest runs.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_release
(cd build && ctest --output-on-failure -j2 "$@")

build_sanitized
(cd build-asan && ctest --output-on-failure -j2 -L unit "$@")
