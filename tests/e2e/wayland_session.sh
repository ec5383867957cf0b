#!/usr/bin/env bash
# A Wayland session, as weston's headless backend gives one. With XWayland the saver is the X11
# program it is under Xorg: full screen at the desktop's size and in a window of its own, the
# scene drawn, ended by SIGTERM through its main loop (code 1), even where SDL_VIDEODRIVER asks
# for Wayland. With no X server it says so on standard error, in a box on the Wayland display
# (SIGTERM ends that box), and ends as a failed start does (code 0).
#
# wayland_session.sh FROSTMOTE. XWayland takes no XTEST input: nothing here types a key.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init wayland_session

export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# weston makes XWayland's socket there, and a bare machine may have no X server yet.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix
socket=frostmote-e2e
setsid weston --backend=headless-backend.so --socket="$socket" --xwayland --width=1024 \
  --height=768 --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
track_pid $!
deadline=$(($(now_ms) + 60000))
until display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log") &&
  [ -n "$display" ]; do
  [ "$(now_ms)" -lt "$deadline" ] ||
    { cat "$E2E_TMP/weston.log" >&2; fail "no XWayland (Debian packages weston, xwayland)"; }
  sleep 0.1
done
export DISPLAY=$display WAYLAND_DISPLAY=$socket
log "weston on $WAYLAND_DISPLAY, XWayland on $DISPLAY"

# expect_sky_in_window GEOMETRY WHAT: within a generous deadline the program's window has a
# geometry that matches the pattern GEOMETRY and the winter sky at its top (a rootless X server
# keeps no picture of its root window to grab).
expect_sky_in_window() {
  local want=$1 what=$2 window="" geometry="" colour=""
  local deadline=$(($(now_ms) + 60000))
  while :; do
    program_running || fail "$what: the program ended"
    window=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" 2>/dev/null | head -n1)
    geometry=$([ -n "$window" ] && window_geometry "$window")
    # shellcheck disable=SC2053
    if [[ $geometry == $want ]] && import -window "$window" "$E2E_ARTIFACTS/$what.png" 2>/dev/null; then
      colour=$(sky_in "$E2E_ARTIFACTS/$what.png" 'x40+0+0') && break
    fi
    [ "$(now_ms)" -lt "$deadline" ] ||
      fail "$what: no sky in a $want window (window '$window' at '$geometry', colour '$colour')"
    sleep 0.3
  done
  log "$what: the scene in window $window at $geometry (sky $colour)"
}

# Full screen switches XWayland's one output to the mode it has already, and takes its size
# (weston 10 puts it at the output's corner, weston 14's shell below its panel); -window is an
# ordinary window. SDL's own choice of driver, here Wayland's, does not count.
for run in "/s 1024x768+0+* full_screen" "-window 800x600+* own_window"; do
  read -r switch geometry what <<<"$run"
  SDL_VIDEODRIVER=wayland start_program "$switch"
  expect_sky_in_window "$geometry" "$what"
  kill -TERM "$PROGRAM_PID"
  expect_exit 1
done

# No X server, the Wayland display still there: the box is made on it (libwayland's own trace
# shows its title), and SIGTERM ends the program as OK would.
message="Frostmote needs an X server, and DISPLAY is not set."
DISPLAY="" WAYLAND_DEBUG=client start_program /s
deadline=$(($(now_ms) + 60000))
until grep -q 'set_title("Frostmote")' "$E2E_TMP/program.log"; do
  program_running || fail "the program ended without a box on the Wayland display"
  [ "$(now_ms)" -lt "$deadline" ] || fail "no box on the Wayland display"
  sleep 0.1
done
grep -qxF "frostmote: $message" "$E2E_TMP/program.log" || fail "standard error lacks: $message"
log "no X server: told on standard error and in a box on $WAYLAND_DISPLAY"
kill -TERM "$PROGRAM_PID"
expect_exit 0

log "PASS"
