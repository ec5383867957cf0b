#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Extra arguments go to cmake.
# Warnings are errors only with FROST_WERROR=1 (CI and developers): a newer compiler's new
# warning must not stop a user's build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
werror=OFF
[ "${FROST_WERROR:-0}" = 1 ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DFROST_WERROR=$werror "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
