#!/usr/bin/env bash
# Installs what is needed, then builds and runs every test: the normal build, the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for 30 seconds.
# WENT_FUZZ_SECONDS changes the fuzzing time (0 skips fuzzing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== normal build"
"$root/scripts/build.sh" "$root/build-test"
ctest --test-dir "$root/build-test" --output-on-failure -j "$jobs"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-asan" -DWENT_SANITIZE=ON -DWENT_BUILD_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

seconds=${WENT_FUZZ_SECONDS:-30}
if [ "$seconds" != "0" ]; then
  echo "== fuzzing, ${seconds} s per target"
  CXX=clang++ "$root/scripts/build.sh" "$root/build-fuzz" -DWENT_BUILD_GUI=OFF -DWENT_BUILD_TESTS=OFF \
    -DWENT_BUILD_BENCH=OFF -DWENT_BUILD_FUZZ=ON
  for target in "$root"/build-fuzz/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    corpus="$root/build-fuzz/corpus/$(basename "$target")"
    mkdir -p "$corpus"
    echo "-- $(basename "$target")"
    (cd "$root/build-fuzz" && "$target" -max_total_time="$seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 3)
  done
fi
echo "== all tests passed"
