#!/usr/bin/env bash
# Builds every libFuzzer target with clang-14 and gives each a short run,
# starting from its seeds in fuzz/seeds.
# FUZZ_SECONDS sets the time per target (default 30).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps

build=build/fuzz
seconds=${FUZZ_SECONDS:-30}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTAVRIX_BUILD_FUZZ=ON -DTAVRIX_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)"
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=fuzz-corpus/$name
  mkdir -p "$corpus"
  # The settings file's value line may hold 32767 characters of up to three
  # bytes each: inputs must reach past that for the limit to be tried.
  options=()
  case $name in
    fuzz_settings) options+=(-max_len=131072) ;;
  esac
  # Where the input has words of its own, the fuzzer is told them.
  dictionary=fuzz/dictionaries/$name.dict
  [ -f "$dictionary" ] && options+=(-dict="$dictionary")
  echo "== $name for ${seconds}s"
  # New inputs go to the first folder; the seeds beside it stay as they are.
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
    "$target" -max_total_time="$seconds" -print_final_stats=1 "${options[@]}" "$corpus" "fuzz/seeds/$name"
done
