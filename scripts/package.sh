#!/usr/bin/env bash
# Builds the Debian package: a release build with Debian's hardening flags,
# packed by CPack with the binary stripped. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps >&2

build=build/package
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVRIX_BUILD_TESTS=OFF >&2
cmake --build "$build" -j "$(nproc)" >&2
rm -f "$build"/tavrix_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$PWD/$build"/tavrix_*.deb
