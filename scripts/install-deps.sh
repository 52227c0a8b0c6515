#!/usr/bin/env bash
# Installs the Debian packages Kesvar needs to build, test and run. Safe to run again:
# apt-get skips what is already installed, and nothing is fetched from outside Debian.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libqt6svg6-dev
  libgl1-mesa-dev qt6-translations-l10n
  libsodium-dev libxlsxwriter-dev libminizip-dev libfreexl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
  xvfb xauth imagemagick
)
if [[ "${KESVAR_WITH_POSTGRES:-0}" == 1 ]]; then
  packages+=(postgresql postgresql-contrib)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
