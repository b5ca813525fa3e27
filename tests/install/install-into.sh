#!/usr/bin/env bash
# Installs the build into a fresh staging root, as a package build does:
#   install-into.sh <build folder> <staging root>
set -euo pipefail
build=$1 root=$2
rm -rf "$root"
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
