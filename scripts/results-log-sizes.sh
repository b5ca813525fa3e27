#!/usr/bin/env bash
# The results log at growing sizes: each operation on logs of 1,000, 100,000
# and 500,000 lines and on one line of 10 MB, each in a process of its own;
# then amending a log of two lines of 15 MB each. Prints the time of each,
# the longest time in it that the window could not repaint or take a click,
# and its peak memory above the empty window, so that the growth can be read
# off. Needs a release build with the benchmarks (scripts/bench.sh makes
# one). LIMIT (seconds, 60) bounds each run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/bench}
program=$build/bench/results_log_sizes
shapes=${SHAPES:-lines:1000 lines:100000 lines:500000 line:10000000}
operations=${OPERATIONS:-open append add save copy print amend}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# One cell: OPERATION on FILE opened OPENS times first, as
# "ms (longest frozen ms) / MB peak".
cell() {
  local operation=$1 file=$2 opens=$3 result ms kib frozen
  # Not waited for beyond a limit: before the log coped with size, one long
  # line took many minutes.
  if result=$(timeout "${LIMIT:-60}" "$program" "$operation" "$file" "$opens"); then
    read -r ms kib frozen <<<"$result"
    printf ' %19s' "$ms ($frozen) / $((kib / 1024))"
  else
    printf ' %19s' "> ${LIMIT:-60} s"
  fi
}

printf '%-14s %9s' "log" "file MB"
for operation in $operations; do printf ' %19s' "$operation"; done
printf '\n%-14s %9s' "" ""
for operation in $operations; do printf ' %19s' "ms (frozen) / MB"; done
printf '\n'
for shape in $shapes; do
  file=$work/log.TVRX
  "$program" write "$shape" "$file"
  printf '%-14s %9.1f' "$shape" "$(echo "$(stat -c %s "$file") / 1048576" | bc -l)"
  for operation in $operations; do
    cell "$operation" "$file" 1
  done
  printf '\n'
done

# Two lines of 15 MB, each opened from its own file: the largest a file may hold.
"$program" write line:15000000 "$work/line.TVRX"
printf '%-24s' "2 x line:15000000, amend"
cell amend "$work/line.TVRX" 2
printf '\n'
