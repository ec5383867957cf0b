#!/usr/bin/env bash
# Builds the Windows screen saver, its installer and its tests (tools/windows/build.sh), then
# runs them under Wine: the unit tests, and the end-to-end scripts on X servers of their own.
# Extra arguments go to ctest. Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bash "$root/tools/windows/build.sh"
cd "${WIN_BUILD_DIR:-$root/build-win/build}"
ctest --output-on-failure --timeout 300 "$@"
