#!/usr/bin/env bash
# Installs what is needed, builds went_char and starts it in the working directory ./work
# (needs a display; under Xvfb: xvfb-run -a scripts/run.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DWENT_BUILD_TESTS=OFF -DWENT_BUILD_BENCH=OFF
mkdir -p "$root/work"
cd "$root/work"
exec "$root/build/app/went_char"
