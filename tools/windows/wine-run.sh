#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in a private prefix, quietly: the emulator the
# Windows tree's tests run through.
#   tools/windows/wine-run.sh PROGRAM.exe [ARGS...]
#   tools/windows/wine-run.sh --wait    waits until every program in the prefix has ended
#   tools/windows/wine-run.sh --kill    ends the prefix's session now
# FROST_WINEPREFIX picks the prefix (default build-win/wine-prefix); it is made on first use.
# The user's own WINEPREFIX is never touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
export WINEPREFIX=${FROST_WINEPREFIX:-$root/build-win/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and asking for them would block on a dialog.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

if command -v wine64 >/dev/null 2>&1; then
  wine=$(command -v wine64)
elif [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64
else
  echo "wine-run.sh: wine64 is not installed (Debian: apt-get install wine wine64)" >&2
  exit 127
fi
export WINELOADER=$wine
server=$(dirname "$wine")/wineserver64
[ -x "$server" ] || server=$(command -v wineserver || echo wineserver)
export WINESERVER=$server
if [ "${1:-}" = --wait ]; then
  exec "$server" --wait
elif [ "${1:-}" = --kill ]; then
  exec "$server" -k
fi

# Tests start in parallel; only one of them may create the prefix, and the others wait for it
# to be complete: its registry files appear well before Wine is done with it.
ready=$WINEPREFIX/.frostmote-ready
if [ ! -f "$ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$ready" ]; then
      "$wine" wineboot --init </dev/null >/dev/null 2>&1 9>&-
      # The registry reaches the disk when the server leaves.
      "$server" --wait 9>&- 2>/dev/null || true
      touch "$ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi

# Starting a Wine session (its server and services) costs seconds, one test takes milliseconds:
# a server that outlives each program by a little carries the session from one test to the
# next, and leaves on its own after the last. The session is started here, away from the
# caller's output: whatever holds ctest's pipe open keeps ctest waiting for the test to end.
(
  flock 9
  if "$server" -p"${FROST_WINESERVER_LINGER:-10}" </dev/null >/dev/null 2>&1 9>&-; then
    "$wine" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 9>&- || true
  fi
) 9>"$WINEPREFIX.lock"

exec "$wine" "$@"
