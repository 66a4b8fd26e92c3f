#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need,
# skipping those already present.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6-dev libqt6sql6-sqlite
  fonts-liberation fonts-liberation2 fontconfig
  xvfb xauth
  clang libclang-rt-14-dev
  unrtf poppler-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
