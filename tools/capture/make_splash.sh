#!/usr/bin/env bash
# Renders the preview picture from a real frame of the scene: make_splash.sh CAPTURE_TOOL OUT.jpg
# The capture tool needs an X server; without a usable display one is started for the job.
set -euo pipefail
tool=$1
out=$2
# Eight seconds in, the whole globe stands over its shadow between the sky and the snow:
# at the size of a settings panel, the picture should say what the saver is.
seconds=8
work=$(mktemp -d)
xserver=
cleanup() {
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  source "$(dirname "$0")/../private_xvfb.sh"
  start_private_xvfb 640x480x24 "$work"
fi
# In a sanitizer build the tool is instrumented too; what the system's GL and X libraries keep
# until exit is theirs, not a leak of ours, and must not stop the build.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "$tool" --size 320x240 --jpeg --out "$work" "$seconds" >/dev/null
mv "$work/frame-$(printf '%08.3f' "$seconds").jpg" "$out"
