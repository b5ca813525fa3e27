#!/usr/bin/env bash
# Start-up time of Tavrix, measured from outside:
#  1. the offscreen start-up program (process start to first result, then exit), RUNS times;
#  2. the real program under Xvfb: from launch until its window is mapped.
# Needs a release build with the benchmarks (scripts/bench.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/bench}
runs=${RUNS:-10}

now_ns() { date +%s%N; }

echo "== offscreen: process start to first result ($runs runs)"
for _ in $(seq "$runs"); do
  t0=$(now_ns)
  QT_QPA_PLATFORM=offscreen "$build/bench/startup_to_first_result" >/tmp/tavrix-startup.$$ 2>/dev/null
  t1=$(now_ns)
  printf '%6.1f ms whole process; %s\n' "$(echo "($t1 - $t0) / 1000000" | bc -l)" "$(cat /tmp/tavrix-startup.$$)"
done
rm -f /tmp/tavrix-startup.$$

echo "== Xvfb: launch of the real program until its window is mapped ($runs runs)"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
for _ in $(seq "$runs"); do
  data=$(mktemp -d)
  cp "$build/app/tavrix" "$data/"
  t0=$(now_ns)
  "$data/tavrix" >/dev/null 2>&1 &
  pid=$!
  mapped=no
  for _ in $(seq 2000); do # at most about 10 s
    if xwininfo -name Tavrix 2>/dev/null | grep -q 'IsViewable'; then mapped=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.005
  done
  t1=$(now_ns)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -rf "$data"
  if [ $mapped = yes ]; then
    printf '%6.1f ms to a mapped window\n' "$(echo "($t1 - $t0) / 1000000" | bc -l)"
  else
    echo "the window did not appear" >&2
  fi
done
