#!/usr/bin/env bash
# Stops the server start.sh started: stop.sh STATE_DIR.
set -u
state=${1:?usage: stop.sh STATE_DIR}
[ -s "$state/xvfb.pid" ] || { echo "no Xvfb to stop"; exit 0; }
pid=$(cat "$state/xvfb.pid")
# Only our server: the pid file may be stale and the number reused.
if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q '^Xvfb '; then
  kill "$pid"
  for _ in $(seq 50); do
    # Gone, or a zombie waiting for whoever adopted it.
    stat=$(cat "/proc/$pid/stat" 2>/dev/null) || break
    stat=${stat##*) }
    [ "${stat%% *}" = Z ] && break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
fi
rm -f "$state/xvfb.pid" "$state/display" "$state/displayfd"
echo "Xvfb (pid $pid) stopped"
