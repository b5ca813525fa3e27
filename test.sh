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
# LeakSanitizer runs with every test; only leaks inside system libraries, each
# named in the file, are let through.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan-system-libraries.supp:print_suppressions=0"
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
