#!/usr/bin/env bash
# Starts the installed program offscreen for a person with a fresh
# configuration folder and closes it with SIGTERM: it must keep its settings
# in that folder and leave the installed tree as it was.
#   installed-start.sh <staging root> <start-and-close script>
set -euo pipefail
root=$1 start_and_close=$2
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT

before=$(find "$root" -printf '%P %s\n' | sort)
XDG_CONFIG_HOME=$config QT_QPA_PLATFORM=offscreen "$start_and_close" "$root/usr/bin/tavrix"
after=$(find "$root" -printf '%P %s\n' | sort)

settings=$config/Tavrix/Tavrix.ini
[ -f "$settings" ] || { echo "no settings in $config:" >&2; find "$config" >&2; exit 1; }
lines=$(wc -l <"$settings")
[ "$lines" -eq 9 ] || { echo "$settings has $lines lines, not 9" >&2; exit 1; }
if [ "$before" != "$after" ]; then
  echo "the program changed the installed tree:" >&2
  diff <(echo "$before") <(echo "$after") >&2 || true
  exit 1
fi
echo "installed program: started, closed on SIGTERM, settings in the configuration folder"
