#!/usr/bin/env bash
# Installs what the build needs, builds tarvik in build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh

ensure_packages "${BUILD_PACKAGES[@]}"
build_release

if [ -x build/tarvik ]; then
    exec build/tarvik "$@"
fi
echo "tarvik: the libraries and tests are built; the clock window itself is not written yet, so there is nothing to start."
