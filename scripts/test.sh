#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure -j"$(nproc)")

# Every test again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer. Any report ends its test with an error; so
# does a leak, except in the system libraries listed in the suppressions.
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGUWEN_SANITIZE=ON -DGUWEN_BUILD_BENCH=OFF
cmake --build build-asan -j"$(nproc)"
suppressions="$(pwd)/cmake/lsan-suppressions.txt"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$suppressions" \
  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$(nproc)")

# Every fuzz target for a bounded time, from its seed corpus.
bash scripts/fuzz.sh --ci
