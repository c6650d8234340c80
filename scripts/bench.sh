#!/usr/bin/env bash
# Builds optimised and runs the benchmarks: the text engine, then the whole
# "古文转换" path through the real window (offscreen). Extra arguments go to
# Google Benchmark, e.g. --benchmark_filter=Columns.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGUWEN_BUILD_TESTS=OFF
cmake --build build-bench -j"$(nproc)" --target engine_bench window_bench
./build-bench/bench/engine_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true "$@"
QT_QPA_PLATFORM=offscreen ./build-bench/bench/window_bench "$@"
