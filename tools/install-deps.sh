#!/usr/bin/env bash
# Installs the Debian packages Frostmote needs to build, run and test. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libx11-dev libxrandr-dev libgtk-3-dev libgl1-mesa-dev libglu1-mesa-dev freeglut3-dev libjpeg-dev
  libmpg123-dev libkissfft-dev libcdio-paranoia-dev libmp3lame-dev
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  libfreetype-dev fonts-dejavu-core librsvg2-common libpng-dev
  xvfb xauth xdotool x11-utils mesa-utils x11-xserver-utils imagemagick
  xserver-xorg-core xserver-xorg-video-dummy
  dpkg-dev file man-db libxml2-utils xscreensaver mate-screensaver dbus-daemon
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 nsis googletest
  debian-archive-keyring
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
