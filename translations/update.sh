#!/usr/bin/env bash
# Refreshes the translation sources from the program's sources: every text
# marked for translation gets an entry, texts no longer in the sources lose
# theirs. With a folder, refreshes the copies there instead (the test that the
# sources are current compares such copies with the originals).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
folder=${1:-$here}
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}

cd "$root"
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h,ui \
  app branding entry log mail mainform platform resources units/Catalogue.cpp \
  -ts "$folder/tavrix_de.ts" "$folder/tavrix_fr.ts"
