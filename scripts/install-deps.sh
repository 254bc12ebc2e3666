#!/usr/bin/env bash
# Installs the Debian packages Klarvon builds, tests and runs with; with --screenshots
# also those scripts/make-screenshots.sh drives the editor with.
# Idempotent: packages already installed are left alone, and apt is only
# asked when something is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  fonts-liberation fonts-urw-base35
  util-linux strace
  dpkg-dev file desktop-file-utils groff-base
  clang libclang-rt-14-dev
  lintian appstream
)
if [ "${1:-}" = --screenshots ]; then
  packages+=(xvfb xauth xdotool openbox imagemagick optipng)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
