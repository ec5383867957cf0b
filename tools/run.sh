#!/usr/bin/env bash
# Installs what is missing, builds, and runs the screen saver full screen (/s).
#
# On a desktop it simply runs; press Escape to end it. On a machine without a display it runs
# under a virtual X server for a few seconds, answers the windowed-mode question (a virtual
# server has no display modes to switch to), saves screenshots into SHOT_DIR (default:
# screenshots/), and ends the saver with Escape the way a person would.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/install-deps.sh"
bash "$root/tools/build.sh"
program=${BUILD_DIR:-$root/build}/bin/frostmote

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$program" /s
fi
# A Wayland session without XWayland: the saver itself tells the user what it needs.
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" /s
fi

shots=${SHOT_DIR:-$root/screenshots}
seconds=${RUN_SECONDS:-7}
mkdir -p "$shots"
work=$(mktemp -d)
trap 'kill -9 ${saver:-} ${xserver:-} 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$work/config}
# A machine without a display usually has no sound card either: what the music would have
# sounded like goes into a file beside the screenshots (raw 16-bit stereo at 44100 Hz).
if [ -z "${SDL_AUDIODRIVER:-}" ]; then
  export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$shots/music-played.raw"
fi

find_window() {  # caption -> window id, waiting up to 10 s
  for _ in $(seq 100); do
    id=$(xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name {print $1; exit}')
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

"$program" /s &
saver=$!
if question=$(find_window "Pendrel"); then
  import -window root "$shots/1-windowed-mode-question.png"
  xdotool windowfocus --sync "$question" key Return
fi
window=$(find_window "ZIRavar")
for i in $(seq "$seconds"); do
  sleep 1
  import -window root "$shots/2-running-${i}s.png"
done
xdotool windowfocus --sync "$window" key Escape
status=0
wait "$saver" || status=$?
saver=
echo "frostmote /s ended with exit code $status; screenshots in $shots"
[ "$status" -eq 1 ]
