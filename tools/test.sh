#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux build's (unit, GL, end to
# end), then the Windows build's under Wine (FROST_TEST_WINDOWS=0 leaves those out).
# Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
(cd "${BUILD_DIR:-$root/build}" && ctest --output-on-failure --timeout 300 "$@")
if [ "${FROST_TEST_WINDOWS:-1}" != 0 ]; then
  echo "== The Windows build, under Wine =="
  bash "$root/tools/windows/test.sh"
fi
