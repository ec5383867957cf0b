#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (unit, GL, end to end).
# Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
cd "${BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300 "$@"
