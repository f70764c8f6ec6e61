#!/usr/bin/env bash
# Builds the benchmarks optimised and without sanitizers and prints their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVNL_SANITIZE=OFF >/dev/null
cmake --build build/bench --target bench_popup -j"$(nproc)" >/dev/null
for n in 100 5000 20000; do build/bench/bench/bench_popup "$n"; echo; done
