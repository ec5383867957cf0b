# Sourced by the tool scripts that need an X server of their own. start_private_xvfb SIZE WORK
# starts Xvfb with one screen of SIZE (e.g. 1024x768x24), waits until clients can connect,
# exports DISPLAY and leaves the server's pid in $xserver for the caller's cleanup.
start_private_xvfb() {
  local size=$1 work=$2
  # -displayfd picks a free display and writes its number once clients can connect.
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xserver=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(cat "$work/display")"
}
