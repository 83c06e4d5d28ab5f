#!/usr/bin/env bash
# Installs every Debian package that the build, the fonts and the tests need.
# Safe to run again: it does nothing when everything is there.
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  libcairo2-dev libfontconfig-dev libfreetype-dev libsdl2-dev
  libgtest-dev
  fonts-ipafont-gothic fonts-liberation2 fonts-dejavu-core
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
