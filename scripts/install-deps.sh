#!/usr/bin/env bash
# Installs every Debian package that the build, the fonts and the tests need
# (as root, or through sudo). Safe to run again: it does nothing when
# everything is there.
set -euo pipefail
packages=(
  # build
  build-essential cmake pkg-config
  libcairo2-dev libfontconfig-dev libfreetype-dev libsdl2-dev libx11-dev libx11-xcb-dev libwayland-dev
  libgtest-dev libbenchmark-dev libpng-dev zlib1g-dev
  # a Wayland window's title bar and close button, where the compositor
  # leaves them to the program
  libdecor-0-plugin-1-cairo
  # the course's faces: the Gothic face, the serif italic, the script ell
  fonts-noto-cjk fonts-liberation2 fonts-dejavu-core
  # the window tests run the program under a virtual X server, and under
  # Wayland with weston as the compositor on that server
  xvfb xauth weston
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please run as root (or install sudo): apt-get install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
