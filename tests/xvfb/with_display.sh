#!/usr/bin/env bash
# Runs a command on the shared test X server: with_display.sh DISPLAY_FILE COMMAND...
set -eu
file=${1:?usage: with_display.sh DISPLAY_FILE COMMAND...}
shift
[ -s "$file" ] || { echo "no test X server: $file is missing (did the xvfb fixture start?)" >&2; exit 1; }
DISPLAY=$(cat "$file")
export DISPLAY
exec "$@"
