#!/usr/bin/env bash
# Measures the start of went_char under Xvfb, several runs on one X server: the milliseconds
# from entering main to the first paint of the report (the program prints them and quits when
# WENT_CHAR_STARTUP_PROBE=1), and the wall time of the whole run from launch to exit.
# Usage: scripts/measure_startup.sh [BUILD_DIR (default build)] [RUNS (default 5)]
# The goal is a first paint within 300 ms.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" = "--inner" ]; then
  program=$2
  runs=$3
  firsts=()
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    line=$(WENT_CHAR_STARTUP_PROBE=1 "$program")
    end=$(date +%s%N)
    first=$(echo "$line" | sed -n 's/^first paint after \([0-9]*\) ms$/\1/p')
    [ -n "$first" ] || { echo "no first paint reported: $line" >&2; exit 1; }
    firsts+=("$first")
    echo "first paint ${first} ms, whole run $(( (end - start) / 1000000 )) ms"
  done
  median=$(printf '%s\n' "${firsts[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
  verdict=met
  [ "$median" -le 300 ] || verdict=missed
  echo "median first paint ${median} ms (goal 300 ms: ${verdict})"
  exit 0
fi

build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-5}
program=$build/app/went_char
[ -x "$program" ] || { echo "$program is missing; build it first: scripts/build.sh $build" >&2; exit 1; }

# A scratch working directory: the program prepares "wykresy" there.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cd "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" "$root/scripts/measure_startup.sh" --inner "$program" "$runs"
