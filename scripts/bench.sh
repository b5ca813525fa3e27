#!/usr/bin/env bash
# Builds the benchmarks in release mode and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps

build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIX_BUILD_BENCH=ON -DTAVRIX_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
for bench in "$build"/bench/bench_*; do
  [ -f "$bench" ] && [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$bench" "$@"
done
scripts/startup-time.sh
scripts/results-log-sizes.sh
scripts/command-line-time.sh
