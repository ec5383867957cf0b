#!/usr/bin/env bash
# Installs the Debian packages Frostmote needs to build, run and test. Safe to run again:
# it only calls apt-get when something is missing. Every name is one that Debian 12 and 13
# both offer; the one package whose name carries a compiler version (clang's sanitizer and
# fuzzer runtime) is named after the clang that the running release installs.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libx11-dev libxrandr-dev libgtk-3-dev libgl1-mesa-dev libglu1-mesa-dev freeglut3-dev libjpeg-dev
  libmpg123-dev libkissfft-dev libcdio-paranoia-dev libmp3lame-dev
  clang
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  libfreetype-dev fonts-dejavu-core librsvg2-common libpng-dev
  xvfb xauth xdotool x11-utils mesa-utils x11-xserver-utils imagemagick gdb
  xserver-xorg-core xserver-xorg-video-dummy weston xwayland
  dpkg-dev file man-db libxml2-utils lintian xscreensaver mate-screensaver dbus-daemon
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 nsis googletest
  debian-archive-keyring
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
updated=

# install NAME...: those of NAME not yet installed.
install() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  echo "Installing: ${missing[*]}"
  if [ -z "$updated" ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
}

install "${packages[@]}"
install "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
