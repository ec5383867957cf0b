#!/usr/bin/env bash
# As an xscreensaver hack: -window-id ID (decimal or hex) and XSCREENSAVER_WINDOW with -root run
# the animated scene inside another program's window, at its size and following its size, and
# stop when that window is destroyed. A daemon's window has no one to answer a message box, so
# a sound device that fails leaves the scene running silent and says why on standard error, and
# so does every other failure.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init xscreensaver_window
use_shared_display



# Two screenshots a second apart differ inside the host: the scene is animated there.
expect_animation() {
  local geometry=$1 what=$2 first second
  # Past the fade-in from black: the sky shows in the host.
  local deadline=$(($(now_ms) + 120000))
  until first=$(screenshot "${what}_1") && sky_in "$first" "$geometry" >/dev/null; do
    program_running || fail "the program ended ($what)"
    [ "$(now_ms)" -lt "$deadline" ] || fail "no sky in the host after two minutes ($what)"
    sleep 0.5
  done
  sleep 1
  second=$(screenshot "${what}_2") || fail "no screenshot"
  local count
  count=$(region_colours "$second" "$geometry" | wc -l)
  [ "$count" -ge 100 ] || fail "the host shows $count colours, not the scene ($what)"
  local changed
  changed=$(compare -metric AE -extract "$geometry" "$first" "$second" null: 2>&1 || true)
  log "$what: $count colours, $changed pixels changed in a second"
  [ "${changed%%.*}" -gt 1000 ] 2>/dev/null || fail "the scene does not move ($what): $changed"
}

host_window Blanker 320 240
start_program -window-id "$HOST"
expect_animation "320x240+100+100" "window_id"
[ "$(host_child_geometry)" = "320x240+100+100" ] || fail "the scene's window is $(host_child_geometry)"
# The owner resizes its window; the scene follows.
"$E2E_X_CLIENT" resize "$HOST" 400 300 || fail "could not resize the host"
deadline=$(($(now_ms) + 60000))
until [ "$(host_child_geometry)" = "400x300+100+100" ]; do
  [ "$(now_ms)" -lt "$deadline" ] || fail "the scene's window stayed $(host_child_geometry) after the resize"
  sleep 0.1
done
kill "$HOST_PID"
expect_exit 1

host_window Blanker 320 240
XSCREENSAVER_WINDOW=$(printf '0x%x' "$HOST") SDL_AUDIODRIVER=no-such-driver start_program -root
expect_animation "320x240+100+100" "xscreensaver_window"
find_window "FMOD Error" >/dev/null && fail "a message box waits inside the daemon's window"
grep -q '^FMOD Error: ' "$E2E_TMP/program.log" ||
  fail "the sound failure is not on standard error: $(cat "$E2E_TMP/program.log")"
kill "$HOST_PID"
expect_exit 1

# A window id that names no window: nothing to draw in, and the log says so.
start_program -window-id 0x7ffffff
expect_exit 0
find_window "ERROR" >/dev/null && fail "a message box waits for a window that does not exist"
grep -qx 'ERROR: Window Creation Error.' "$E2E_TMP/program.log" ||
  fail "no message for a window that does not exist: $(cat "$E2E_TMP/program.log")"
log "PASS"
