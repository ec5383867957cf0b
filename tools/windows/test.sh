#!/usr/bin/env bash
# Builds the Windows screen saver, its installer and its tests (tools/windows/build.sh), then
# runs them under Wine: the unit tests, and the end-to-end scripts on X servers of their own.
# Extra arguments go to ctest. Exits non-zero when anything fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
bash "$root/tools/windows/build.sh"
cd "${WIN_BUILD_DIR:-$root/build-win/build}"
# One Wine session for the whole run. A session that ends on its own (its server leaves a few
# seconds after its last program, as the build's test listing left it) can be leaving just as
# the next test connects, and that test then dies before it starts.
wine_run=$root/tools/windows/wine-run.sh
bash "$wine_run" --wait || true
FROST_WINESERVER_LINGER=3600 bash "$wine_run" cmd.exe /c exit 0 >/dev/null 2>&1
trap 'bash "$wine_run" --kill 2>/dev/null || true' EXIT
ctest --output-on-failure --timeout 300 "$@"
