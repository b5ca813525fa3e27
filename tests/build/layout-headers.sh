#!/usr/bin/env bash
# Every window layout's header (ui_*.h) that an object of the build includes
# is one Ninja knows a rule makes. A header it took for a source would be
# written during the first build after an edit of the layout and looked at
# only by the next: that first build would compile nothing, and the tests
# run after it would test the old window.
#   layout-headers.sh <Ninja build folder>
set -euo pipefail
cd "$1"
mapfile -t headers < <(ninja -t deps | sed -n 's|^ *\(.*/ui_[^/]*\.h\)$|\1|p' | sort -u)
if [ ${#headers[@]} -eq 0 ]; then
  echo "no object includes a layout's header yet: build first" >&2
  exit 1
fi
status=0
for header in "${headers[@]}"; do
  # The whole answer first: grep -q would stop reading at its match, and
  # under pipefail Ninja's write into the closed pipe would fail the check.
  answer=$(ninja -t query "$header")
  if ! grep -q '^  input:' <<<"$answer"; then
    echo "no rule makes $header, yet objects include it" >&2
    status=1
  fi
done
exit $status
