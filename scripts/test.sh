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
passed=0

# Runs ctest on a build tree and adds its test count to `passed` (ctest fails the script on a failure).
run_ctest() {
  local log
  log=$(mktemp)
  ctest --test-dir "$1" --output-on-failure -j "$jobs" | tee "$log"
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -n 1)))
  rm -f "$log"
}

echo "== normal build"
"$root/scripts/build.sh" "$root/build-test"
run_ctest "$root/build-test"

echo "== AddressSanitizer and UndefinedBehaviorSanitizer"
"$root/scripts/build.sh" "$root/build-asan" -DWENT_SANITIZE=ON -DWENT_BUILD_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_ctest "$root/build-asan"

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
    passed=$((passed + 1))
  done
fi
echo "== all tests passed"
echo "${passed} passed, 0 failed"
