#!/usr/bin/env bash
# Installs what the build and the tests need, builds build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_release
cd build
ctest --output-on-failure -j2 "$@"
