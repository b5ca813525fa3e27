#!/usr/bin/env bash
# Runs the desktop's own validators over one installed file; exits 77 (a
# skipped test) when the validator is not on this machine.
#   validate.sh <staging root> desktop-entry|metainfo|mime-type
set -euo pipefail
root=$1 what=$2
id=com.example.Tavrix
share=$root/usr/share

needs() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}

# Validators that pass with remarks still print them: any output is a finding.
quiet() {
  local output
  output=$("$@" 2>&1) || { echo "$output" >&2; return 1; }
  [ -z "$output" ] || { echo "$output" >&2; return 1; }
}

case $what in
desktop-entry)
  needs desktop-file-validate
  quiet desktop-file-validate "$share/applications/$id.desktop"
  ;;
metainfo)
  needs appstreamcli
  output=$(appstreamcli validate --no-net --no-color "$share/metainfo/$id.metainfo.xml" 2>&1) ||
    { echo "$output" >&2; exit 1; }
  # It passes with warnings and remarks too, but lists them as E:, W: or I: lines.
  if echo "$output" | grep -q '^[EWI]:'; then echo "$output" >&2; exit 1; fi
  ;;
mime-type)
  needs xmllint update-mime-database xdg-mime mimetype
  quiet xmllint --noout "$share/mime/packages/$id.xml"
  data=$(mktemp -d)
  trap 'rm -rf "$data"' EXIT
  mkdir -p "$data/mime/packages"
  cp "$share/mime/packages/$id.xml" "$data/mime/packages/"
  XDG_DATA_DIRS="$data" quiet update-mime-database "$data/mime"
  for name in results.TVRX results.tvrx; do
    printf '1.000 metre = 1.093613 yard\r\n' >"$data/$name"
    # Only this database, and xdg-mime's desktop-neutral lookup.
    type=$(env -u XDG_CURRENT_DESKTOP -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID DE=generic \
      XDG_DATA_HOME="$data" XDG_DATA_DIRS="$data" xdg-mime query filetype "$data/$name")
    [ "$type" = text/x-tavrix-log ] || { echo "$name is '$type'" >&2; exit 1; }
  done
  comment=$(XDG_DATA_HOME="$data" XDG_DATA_DIRS="$data" mimetype --brief --describe "$data/results.TVRX")
  [ "$comment" = "Tavrix results log" ] || { echo "described as '$comment'" >&2; exit 1; }
  parent=$(cat "$data/mime/subclasses")
  [ "$parent" = "text/x-tavrix-log text/plain" ] || { echo "subclasses: '$parent'" >&2; exit 1; }
  ;;
*)
  echo "usage: validate.sh <staging root> desktop-entry|metainfo|mime-type" >&2
  exit 2
  ;;
esac
echo "$what: valid"
