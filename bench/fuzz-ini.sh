#!/usr/bin/env bash
# Fuzzes the INI engine for the given number of minutes (default 10) with
# libFuzzer and AddressSanitizer, starting from tests/fuzz/corpus. New inputs
# are kept in build-fuzz/corpus; a crash leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DTARVIK_FUZZ=ON >/dev/null
cmake --build build-fuzz --target tarvik_ini_fuzz
mkdir -p build-fuzz/corpus
cd build-fuzz
./tests/fuzz/tarvik_ini_fuzz -max_total_time=$((minutes * 60)) -print_final_stats=1 \
    -max_len=4096 corpus ../tests/fuzz/corpus
