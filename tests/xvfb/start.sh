#!/usr/bin/env bash
# Starts the X server the GL and end-to-end tests share: start.sh STATE_DIR. Leaves ":N" in
# STATE_DIR/display and the server's pid in STATE_DIR/xvfb.pid for stop.sh.
#
# The root window is white (-wr): the saver's frames are black for now, so a black window on a
# white screen shows that the program drew, not just that a window exists.
set -u
state=${1:?usage: start.sh STATE_DIR}
mkdir -p "$state"

# A server left behind by an interrupted run would only hold a display number.
if [ -s "$state/xvfb.pid" ]; then
  old=$(cat "$state/xvfb.pid")
  if tr '\0' ' ' <"/proc/$old/cmdline" 2>/dev/null | grep -q '^Xvfb '; then kill -9 "$old"; fi
fi
rm -f "$state/display" "$state/xvfb.pid" "$state/displayfd"

command -v Xvfb >/dev/null || { echo "Xvfb is not installed (Debian package xvfb)" >&2; exit 1; }
for tool in xdotool xwininfo xdpyinfo import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (xdotool, x11-utils, imagemagick)" >&2; exit 1; }
done

# Only the server's built-in fonts, as on a desktop without X core fonts (Debian's xfonts-base):
# nothing of ours may depend on them.
# -displayfd picks a free display number and writes it once the server accepts clients. The
# output goes to a file: CTest waits for every holder of its pipes, and the server outlives us.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -wr -fp built-ins \
  3>"$state/displayfd" </dev/null >"$state/xvfb.log" 2>&1 &
pid=$!
echo "$pid" >"$state/xvfb.pid"

for _ in $(seq 600); do
  if number=$(grep -m1 -x '[0-9][0-9]*' "$state/displayfd" 2>/dev/null); then
    if DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
      echo ":$number" >"$state/display"
      echo "Xvfb (pid $pid) serves :$number"
      exit 0
    fi
  fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
echo "Xvfb did not start:" >&2
cat "$state/xvfb.log" >&2
kill -9 "$pid" 2>/dev/null
rm -f "$state/xvfb.pid"
exit 1
