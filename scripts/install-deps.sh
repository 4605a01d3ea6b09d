#!/usr/bin/env bash
# Installs everything went_char needs to build, test and run on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  gnuplot-x11 xvfb xauth xdg-utils fonts-dejavu-core fonts-liberation qt6-translations-l10n
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
