#!/usr/bin/env bash
# The installed program finds its translations under share/tavrix: a German
# or French desktop gets its messages in that language, any other English.
#   installed-languages.sh <staging root>
set -euo pipefail
tavrix=$1/usr/bin/tavrix
failures=0

says() {
  local language=$1 expected=$2 said
  said=$(LANGUAGE=$language LC_ALL=C "$tavrix" --no-such-option 2>&1 >/dev/null || true)
  if [[ $said != *"$expected"* ]]; then
    echo "FAIL: under LANGUAGE=$language the program says: $said" >&2
    failures=$((failures + 1))
  fi
}

says de "unbekannte Option"
says fr "option inconnue"
says es "unknown option"
exit $((failures > 0))
