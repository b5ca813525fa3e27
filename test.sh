#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages), builds Tavrix with AddressSanitizer
# and UBSan, and runs every test headless through CTest.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

build=build/test
jobs=$(nproc)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIX_SANITIZE=ON
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
