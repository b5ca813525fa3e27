#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (packages), builds Tavrix and starts it.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIX_BUILD_TESTS=OFF
cmake --build "$build" -j "$(nproc)" --target tavrix
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: no desktop session here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "        Start it inside one, or under Xvfb: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$build/app/tavrix" "$@"
