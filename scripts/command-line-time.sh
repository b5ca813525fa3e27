#!/usr/bin/env bash
# The command line against the clock: a column of a million values converted
# through one process (--convert -), and the completion asked at a Tab
# (--complete), each the median of RUNS runs.
# Needs a release build (scripts/bench.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/bench}
runs=${RUNS:-5}
tavrix=$build/app/tavrix

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seq 1 1000000 >"$work/values"

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
seconds() { # the wall time of one run of the command given, in seconds
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

column() { LC_ALL=C "$tavrix" --convert - km mile <"$work/values"; }
complete() { LC_ALL=C "$tavrix" --complete "tavrix --convert 1 kg g" "g"; }

[ "$(column | wc -l)" -eq 1000000 ] || { echo "command-line-time: not one result a value" >&2; exit 1; }
for ((run = 0; run < runs; run++)); do seconds column; done | median |
  awk '{ printf "--convert - km mile, 1,000,000 values: %.2f s (median of '"$runs"')\n", $1 }'
for ((run = 0; run < runs; run++)); do seconds complete; done | median |
  awk '{ printf "--complete at a Tab: %.1f ms (median of '"$runs"')\n", $1 * 1000 }'
