#!/usr/bin/env bash
# Installs what is needed, builds went_char and starts it in the working directory ./work.
# Without a display it computes an example building with the batch front end instead and shows
# where its results are. scripts/run.sh --help says the same in three lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
example=examples/blok_10_kondygnacji.txt

if [ "${1:-}" = "--help" ] || [ "${1:-}" = "-h" ]; then
  echo "Użycie: scripts/run.sh [--help]: instaluje potrzebne pakiety, buduje went_char i uruchamia okno programu w katalogu ./work."
  echo "Bez ekranu (brak DISPLAY i WAYLAND_DISPLAY) liczy w ./work przykładowy budynek ($example) programem went_char_cli i wypisuje raport oraz utworzone pliki."
  echo "Okno bez ekranu: xvfb-run -a scripts/run.sh"
  exit 0
fi

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DWENT_BUILD_TESTS=OFF -DWENT_BUILD_BENCH=OFF
mkdir -p "$root/work"
cd "$root/work"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$root/build/app/went_char"
fi

echo "Brak ekranu (DISPLAY i WAYLAND_DISPLAY są puste): zamiast okna liczę przykładowy budynek $example w katalogu $root/work."
stamp=$(mktemp)
trap 'rm -f "$stamp"' EXIT
"$root/build/went_char_cli" --dir "$root/work" "$root/$example"
echo
echo "Utworzone pliki:"
find "$root/work" -type f \( -name '*.gif' -o -name '*.html' \) -newer "$stamp" | sort | sed 's/^/  /'
echo
echo "Okno programu: uruchom scripts/run.sh na pulpicie albo pod Xvfb: xvfb-run -a scripts/run.sh"
