#!/usr/bin/env bash
# Fuzzes one input surface for the given number of minutes (default 10) with
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer, starting from
# its corpus in tests/fuzz/corpus/TARGET. New inputs are kept in
# build-fuzz/corpus/TARGET; a finding leaves its input in build-fuzz/.
#
# Usage: bench/fuzz.sh TARGET [MINUTES] [libFuzzer options...]
#   TARGET: ini settings placement options codepage interval
# e.g. bench/fuzz.sh placement 5 -runs=10000000 -jobs=2 (-runs stops it at a count)
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: bench/fuzz.sh TARGET [MINUTES] [libFuzzer options...]}
minutes=${2:-10}
shift $(($# < 2 ? $# : 2))
[ -d "tests/fuzz/corpus/$target" ] || { echo "no fuzz target $target (tests/fuzz/corpus/$target)" >&2; exit 2; }

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DTARVIK_FUZZ=ON >/dev/null
cmake --build build-fuzz --target "tarvik_${target}_fuzz"
mkdir -p "build-fuzz/corpus/$target"
cd build-fuzz
TMPDIR=$(test -d /dev/shm && echo /dev/shm || echo /tmp) QT_QPA_PLATFORM=offscreen "./tests/fuzz/tarvik_${target}_fuzz" -max_total_time=$((minutes * 60)) \
    -print_final_stats=1 -max_len=4096 "$@" "corpus/$target" "../tests/fuzz/corpus/$target"
