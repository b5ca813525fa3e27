#!/usr/bin/env bash
# The translations are whole and current: no entry is unfinished or left
# over from a text the sources no longer have, and refreshing them from the
# sources changes nothing (a text added or changed without a refresh fails).
#   translations-current.sh <lupdate>
set -euo pipefail
export LUPDATE=$1
here=$(cd "$(dirname "$0")" && pwd)
translations=$(cd "$here/../../translations" && pwd)
failures=0

for ts in "$translations"/tavrix_*.ts; do
  for state in unfinished vanished obsolete; do
    count=$(grep -c "type=\"$state\"" "$ts" || true)
    if [ "$count" -ne 0 ]; then
      echo "FAIL: $(basename "$ts") has $count $state entries:" >&2
      grep -B2 "type=\"$state\"" "$ts" | grep '<source>' | head -5 >&2
      failures=$((failures + 1))
    fi
  done
done

copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "$translations"/tavrix_*.ts "$copies/"
"$translations/update.sh" "$copies" 2>/dev/null
for ts in "$translations"/tavrix_*.ts; do
  if ! diff -u "$ts" "$copies/$(basename "$ts")" >&2; then
    echo "FAIL: $(basename "$ts") is not current with the sources; run 'make translations'" >&2
    failures=$((failures + 1))
  fi
done
exit $((failures > 0))
