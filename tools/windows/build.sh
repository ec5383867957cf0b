#!/usr/bin/env bash
# Builds the Windows screen saver, build-win/build/bin/frostmote.scr, with mingw-w64: the
# cross-built libraries first (once), then the Linux tree whose generators paint the data and
# the dialog art, then the Windows tree. Extra arguments go to the Windows tree's cmake.
#   tools/windows/build.sh [-DOPTION=VALUE...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
deps=$root/build-win/deps
host=${BUILD_DIR:-$root/build}
tree=${WIN_BUILD_DIR:-$root/build-win/build}

for lib in libjpeg.a libkissfft-float.a libmpg123.a libgtest.a libmp3lame.a; do
  [ -f "$deps/lib/$lib" ] || { bash "$root/tools/windows/cross-deps.sh" "$deps"; break; }
done
bash "$root/tools/build.sh"
cmake -S "$root" -B "$tree" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DFROST_WERROR="$([ "${FROST_WERROR:-0}" = 1 ] && echo ON || echo OFF)" -DFROST_HOST_BUILD_DIR="$host" -DFROST_WIN_DEPS_DIR="$deps" "$@" >/dev/null
cmake --build "$tree" --parallel "$(nproc)"
