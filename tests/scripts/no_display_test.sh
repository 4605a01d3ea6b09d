#!/usr/bin/env bash
# Both programs' start without a display: the window program says in Polish that it needs one and
# ends with status 1; scripts/run.sh computes an example with the batch front end, prints its
# report, lists the files it made and ends with status 0. run.sh runs in a copy of the source
# tree whose set-up and build steps do nothing and whose build tree is this one.
# Arguments: SOURCE_DIR BUILD_DIR SCRATCH_DIR
set -uo pipefail
source_dir=$1 build_dir=$2 scratch=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

rm -rf "$scratch" && mkdir -p "$scratch"

# The window program.
no_display "$build_dir/app/went_char" >"$scratch/window.out" 2>"$scratch/window.err"
status=$?
[ "$status" = 1 ] || fail "went_char without a display ended with $status, not 1"
grep -q "potrzebuje ekranu" "$scratch/window.err" || fail "no Polish message: $(cat "$scratch/window.err")"
grep -q "xvfb-run -a went_char" "$scratch/window.err" || fail "the message does not tell how to use xvfb-run"
! grep -qi "reinstall" "$scratch/window.err" || fail "Qt's own advice is shown"

# scripts/run.sh in a copy of the tree.
root=$scratch/root
mkdir -p "$root/scripts"
cp "$source_dir/scripts/run.sh" "$root/scripts/"
printf '#!/bin/sh\nexit 0\n' >"$root/scripts/install-deps.sh"
cp "$root/scripts/install-deps.sh" "$root/scripts/build.sh"
chmod +x "$root/scripts/"*.sh
ln -s "$source_dir/examples" "$root/examples"
ln -s "$build_dir" "$root/build"

[ "$(bash "$root/scripts/run.sh" --help | wc -l)" = 3 ] || fail "--help is not three lines"

no_display bash "$root/scripts/run.sh" >"$scratch/run.out" 2>"$scratch/run.err"
status=$?
[ "$status" = 0 ] || fail "run.sh without a display ended with $status: $(cat "$scratch/run.err")"
head -n 1 "$scratch/run.out" | grep -q "^Brak ekranu" || fail "the first line does not say that there is no display"
"$build_dir/went_char_cli" --no-plot --dir "$scratch/reference" "$source_dir/examples/blok_10_kondygnacji.txt" \
  >"$scratch/report.txt" || fail "the reference run failed"
# Every line of the report, in order, as the batch front end prints it.
sed -n '2,$p' "$scratch/run.out" | head -n "$(wc -l <"$scratch/report.txt")" | cmp -s - "$scratch/report.txt" ||
  fail "the printed report differs from the batch front end's"
listed=$(sed -n 's/^  \(\/.*\)$/\1/p' "$scratch/run.out")
[ -n "$listed" ] || fail "no files listed"
for kind in gif html; do
  echo "$listed" | grep -q "^$root/work/.*\.$kind$" || fail "no .$kind file listed in ./work"
done
for file in $listed; do
  [ -s "$file" ] || fail "listed file $file does not exist"
done
grep -q "xvfb-run -a scripts/run.sh" "$scratch/run.out" || fail "no word on how to see the window"

[ "$failures" = 0 ] && echo "all checks passed"
exit $((failures > 0))
