#!/usr/bin/env bash
# Start-up of Tavrix against the floor: a Qt window built the same way that
# draws text as Tavrix must (a menu bar, a list of 24 rows, the same size):
#  1. instructions of each from process start to its first painted text (the
#     result, the list), offscreen, under callgrind (when valgrind is
#     installed): steady where timings are noisy;
#  2. under Xvfb, RUNS alternating launches of each until its window is
#     mapped: the median of each and their ratio, and each one's median peak
#     memory.
# Tavrix runs in English and in German (its translations and Qt's loaded):
# the German start-up is compared with the English one.
# Needs a release build with the benchmarks (scripts/bench.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/bench}
runs=${RUNS:-15}
# How long each program runs on after its window is up (the splash shows
# then) before it is asked to end; its memory counts until then.
settle_ms=${SETTLE_MS:-300}
bench=$build/bench

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Instructions of one offscreen run under callgrind.
instructions() {
  local out=$work/callgrind.out
  (cd "$work" && QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1)
  awk '/^(summary|totals):/ { print $2; exit }' "$out"
}

if command -v valgrind >/dev/null; then
  echo "== instructions from start to the first painted text (offscreen, callgrind)"
  floor_instructions=$(instructions "$PWD/$bench/floor_window" --first-paint)
  tavrix_instructions=$(LANGUAGE=en instructions "$PWD/$bench/startup_to_first_result")
  german_instructions=$(LANGUAGE=de instructions "$PWD/$bench/startup_to_first_result")
  printf "floor:  %'d instructions\n" "$floor_instructions"
  printf "Tavrix: %'d instructions\n" "$tavrix_instructions"
  printf "Tavrix in German: %'d instructions\n" "$german_instructions"
  printf 'ratio: %.2f in instructions; German %.3f of English\n' \
    "$(echo "$tavrix_instructions / $floor_instructions" | bc -l)" \
    "$(echo "$german_instructions / $tavrix_instructions" | bc -l)"
else
  echo "== valgrind is not installed: no instruction count"
fi

echo "== Xvfb: launch until the window is mapped, $runs alternating runs each"
# A server that does not reset between clients, so that each launch finds it ready.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
# The program keeps its settings beside itself: each run starts from a fresh copy.
program=$work/program/tavrix
: >"$work/floor" && : >"$work/tavrix" && : >"$work/german"
fresh_program() {
  rm -rf "$work/program" && mkdir "$work/program" && cp "$build/app/tavrix" "$program"
  cp -r "$build/app/translations" "$work/program/"
}
for _ in $(seq "$runs"); do
  "$bench/map_timer" "$settle_ms" "$bench/floor_window" >>"$work/floor"
  fresh_program
  LANGUAGE=en "$bench/map_timer" "$settle_ms" "$program" >>"$work/tavrix" 2>/dev/null
  fresh_program
  LANGUAGE=de "$bench/map_timer" "$settle_ms" "$program" >>"$work/german" 2>/dev/null
done
floor_ms=$(cut -d' ' -f1 "$work/floor" | median)
tavrix_ms=$(cut -d' ' -f1 "$work/tavrix" | median)
floor_kb=$(cut -d' ' -f2 "$work/floor" | median)
tavrix_kb=$(cut -d' ' -f2 "$work/tavrix" | median)
german_ms=$(cut -d' ' -f1 "$work/german" | median)
german_kb=$(cut -d' ' -f2 "$work/german" | median)
printf 'floor:  median %.1f ms to map, peak memory %d KiB\n' "$floor_ms" "$floor_kb"
printf 'Tavrix: median %.1f ms to map, peak memory %d KiB\n' "$tavrix_ms" "$tavrix_kb"
printf 'Tavrix in German: median %.1f ms to map, peak memory %d KiB (%.3f of English in time)\n' \
  "$german_ms" "$german_kb" "$(echo "$german_ms / $tavrix_ms" | bc -l)"
printf 'ratio: %.2f in time, %.2f in memory (load: %s)\n' \
  "$(echo "$tavrix_ms / $floor_ms" | bc -l)" "$(echo "$tavrix_kb / $floor_kb" | bc -l)" \
  "$(cut -d' ' -f1-3 /proc/loadavg)"
