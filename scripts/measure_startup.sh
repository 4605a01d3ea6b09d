#!/usr/bin/env bash
# Measures went_char under Xvfb, all on one X server:
# - start-up, several runs: the milliseconds from entering main to the first paint of the report
#   (the program prints them and quits when WENT_CHAR_STARTUP_PROBE=1) and the wall time of the
#   whole run; beside each, the first paint of a bare Qt window (build/app/bare_window_probe),
#   and the ratio of the two medians;
# - a selection: the wizard driven with xdotool through to the fan chooser's OK, with a plotter
#   that takes 3 s per picture; the program prints the milliseconds from OK to the first paint of
#   the report and quits (WENT_CHAR_SELECTION_PROBE=1).
# Usage: scripts/measure_startup.sh [BUILD_DIR (default build)] [RUNS (default 5)]
# Goals: first paint within 300 ms and at most 1.5 times the bare window's; the report within
# 50 ms of OK.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

median() { sort -n | sed -n "$(( ($1 + 1) / 2 ))p"; }
first_paint() { sed -n 's/^first paint after \([0-9]*\) ms$/\1/p'; }

# One selection: the wizard's dialogs confirmed with Enter on the value files prepared in the
# working folder, CORVA-4/1440 obr clicked in the chooser, then OK.
select_once() {
  local program=$1 work=$2 out=$3
  rm -rf "$work" && mkdir -p "$work"
  printf '1.200\n' >"$work/dialog.sav"
  printf '0.30\n0.20\n' >"$work/dialog2.sav"
  printf '3.00\n10\n0.20\n0.25\n2.50\n' >"$work/dialog33.sav"
  (cd "$work" && WENT_CHAR_SELECTION_PROBE=1 timeout 60 "$program" "$work" >"$out" 2>/dev/null) &
  local pid=$!
  xdotool search --sync --onlyvisible --name "Program doboru" >/dev/null
  sleep 0.5
  xdotool key alt+o
  sleep 0.3
  xdotool key n
  for _ in 1 2 3 4 5 6 7; do
    sleep 0.5
    xdotool key Return
  done
  local chooser
  chooser=$(xdotool search --sync --onlyvisible --name "Wybór wentylatora" | head -1)
  sleep 0.3
  xdotool mousemove --window "$chooser" 190 31 click 1
  sleep 0.3
  xdotool key Return
  wait "$pid"
}

if [ "${1:-}" = "--inner" ]; then
  program=$2
  bare=$3
  runs=$4
  command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & }
  firsts=()
  bares=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    line=$(WENT_CHAR_STARTUP_PROBE=1 "$program" 2>/dev/null)
    end=$(date +%s%N)
    first=$(echo "$line" | first_paint)
    [ -n "$first" ] || { echo "no first paint reported: $line" >&2; exit 1; }
    bare_first=$("$bare" 2>/dev/null | first_paint)
    [ -n "$bare_first" ] || { echo "the bare window reported no first paint" >&2; exit 1; }
    firsts+=("$first")
    bares+=("$bare_first")
    echo "first paint ${first} ms, whole run $(( (end - start) / 1000000 )) ms; bare Qt window ${bare_first} ms"
  done
  m=$(printf '%s\n' "${firsts[@]}" | median "$runs")
  b=$(printf '%s\n' "${bares[@]}" | median "$runs")
  verdict=met
  [ "$m" -le 300 ] || verdict=missed
  echo "median first paint ${m} ms (goal 300 ms: ${verdict})"
  ratio=$(awk -v m="$m" -v b="$b" 'BEGIN { printf "%.2f", (b > 0 ? m / b : 0) }')
  verdict=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.5 ? "met" : "missed") }')
  echo "median first paint of a bare Qt window ${b} ms; ratio ${ratio} (goal 1.5: ${verdict})"

  if ! command -v xdotool >/dev/null; then
    echo "xdotool is missing: the selection is not measured (apt-get install xdotool)"
    exit 0
  fi
  # gnuplot, but 3 s late for every picture.
  slow=$(mktemp -d)
  printf '#!/bin/sh\nsleep 3\nexec %s "$@"\n' "$(command -v gnuplot || echo true)" >"$slow/gnuplot"
  chmod +x "$slow/gnuplot"
  selections=()
  for run in 1 2 3; do
    PATH=$slow:$PATH select_once "$program" "$PWD/selection" "$PWD/selection.out"
    ms=$(sed -n "s/^report painted \([0-9]*\) ms after the chooser's OK$/\1/p" "$PWD/selection.out")
    [ -n "$ms" ] || { echo "selection $run: no report painted" >&2; exit 1; }
    selections+=("$ms")
    echo "selection $run with a 3-s plotter: report painted ${ms} ms after OK"
  done
  s=$(printf '%s\n' "${selections[@]}" | median 3)
  verdict=met
  [ "$s" -le 50 ] || verdict=missed
  echo "median from the chooser's OK to the painted report ${s} ms (goal 50 ms: ${verdict})"
  rm -rf "$slow"
  exit 0
fi

build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-5}
program=$build/app/went_char
bare=$build/app/bare_window_probe
for binary in "$program" "$bare"; do
  [ -x "$binary" ] || { echo "$binary is missing; build it first: scripts/build.sh $build" >&2; exit 1; }
done

# A scratch working directory: the program prepares "wykresy" there.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cd "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/measure_startup.sh" --inner "$program" "$bare" "$runs"
