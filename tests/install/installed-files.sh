#!/usr/bin/env bash
# Checks the installed tree file by file: exactly the files a package ships,
# each with its mode, the icons in the size their folder names, a manual page
# that man reads without a warning, and a changelog naming this version.
#   installed-files.sh <staging root> <version>
set -euo pipefail
root=$1 version=$2
id=com.example.Tavrix
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

icon_sizes=(16 22 24 32 48 64 128 256)
expected=(
  "755 usr/bin/tavrix"
  "644 usr/lib/tavrix/plugins/tavrix-help.so"
  "644 usr/lib/tavrix/plugins/tavrix-printing.so"
  "644 usr/share/applications/$id.desktop"
  "644 usr/share/bash-completion/completions/tavrix"
  "644 usr/share/doc/tavrix/changelog.gz"
  "644 usr/share/doc/tavrix/copyright"
  "644 usr/share/icons/hicolor/scalable/apps/$id.svg"
  "644 usr/share/man/man1/tavrix.1.gz"
  "644 usr/share/metainfo/$id.metainfo.xml"
  "644 usr/share/mime/packages/$id.xml"
  "644 usr/share/tavrix/Help/TavrixBrandedVersion.pdf"
  "644 usr/share/tavrix/Help/Tavrix_Help.qch"
  "644 usr/share/tavrix/Help/Tavrix_Help.qhc"
  "644 usr/share/tavrix/translations/tavrix_de.qm"
  "644 usr/share/tavrix/translations/tavrix_fr.qm"
)
for size in "${icon_sizes[@]}"; do
  expected+=("644 usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done

actual=$(cd "$root" && find . -type f -printf '%m %P\n' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  fail "installed files differ (< expected, > installed):"
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi
others=$(cd "$root" && find . ! -type f ! -type d -printf '%P\n')
[ -z "$others" ] || fail "links or special files installed: $others"

for size in "${icon_sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || continue
  measured=$(identify -format '%wx%h %m' "$png")
  [ "$measured" = "${size}x${size} PNG" ] || fail "$png is $measured"
done

page=$root/usr/share/man/man1/tavrix.1.gz
if [ -f "$page" ]; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man page warnings: $warnings"
  for section in NAME SYNOPSIS DESCRIPTION FILES "RESULTS LOG FILES" ENVIRONMENT; do
    zgrep -q "^\.SH \"\?$section\"\?$" "$page" || fail "man page lacks $section"
  done
fi

# The menu entry, its icon and the AppStream component name one another by the one id.
desktop_entry=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
[ ! -f "$desktop_entry" ] || grep -qx "Icon=$id" "$desktop_entry" || fail "the desktop entry's icon is not $id"
if [ -f "$metainfo" ]; then
  grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo lacks release $version"
fi

changelog=$root/usr/share/doc/tavrix/changelog.gz
if [ -f "$changelog" ]; then
  head=$(zcat "$changelog" | head -n 1)
  [[ $head == "tavrix ($version) "* ]] || fail "changelog begins '$head', not version $version"
fi

[ $failures -eq 0 ] || exit 1
echo "installed tree: ${#expected[@]} files as expected"
