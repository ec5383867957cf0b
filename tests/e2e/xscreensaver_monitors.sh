#!/usr/bin/env bash
# Two monitors of different shapes under the real xscreensaver daemon: a 1920x1080 and a
# 1280x1024 side by side (two outputs of Xorg's dummy driver). The daemon starts one copy of the
# installed hack per monitor, each in a window of its monitor's size; each draws the scene there
# at its own shape, and deactivating stops both.
#
# Needs root (Xorg, and xscreensaver hands its hacks to the user "nobody"), Xorg with the dummy
# driver, xrandr and xscreensaver; a missing piece fails the test. E2E_BUILD_DIR and E2E_CMAKE
# name the build tree and cmake.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xorg_lib.sh"
source "$(dirname "$0")/install_lib.sh"
FROSTMOTE=${1:-}
command -v xscreensaver >/dev/null || fail "xscreensaver is missing (Debian package xscreensaver)"
e2e_init xscreensaver_monitors
start_dummy_xorg

xrandr --newmode 1920x1080 148.50 1920 2008 2052 2200 1080 1084 1089 1125 +hsync +vsync &&
  xrandr --addmode DUMMY0 1920x1080 && xrandr --addmode DUMMY1 1280x1024 &&
  xrandr --output DUMMY0 --mode 1920x1080 --output DUMMY1 --mode 1280x1024 --right-of DUMMY0 ||
  fail "could not set up the two monitors"
log "monitors: $(xrandr --listmonitors | tail -n +2 | awk '{ print $3 }' | tr '\n' ' ')"

start_xscreensaver
"${saver_env[@]}" xscreensaver-command -activate >/dev/null || fail "xscreensaver-command -activate failed"

deadline=$(($(now_ms) + 60000))
until [ "$(hack_pids | wc -l)" -ge 2 ]; do
  [ "$(now_ms)" -lt "$deadline" ] || { cat "$E2E_TMP/xscreensaver.log" >&2; fail "not two hacks: $(hack_pids | tr '\n' ' ')"; }
  sleep 0.1
done
# Each copy's window is the daemon's window on one monitor, at that monitor's size.
sizes=""
for hack in $(hack_pids); do
  window=$(tr '\0' '\n' <"/proc/$hack/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
  geometry=$(window_geometry "$window")
  log "hack $hack draws in $window, $geometry"
  expect_scene "$hack" "$geometry" "monitor_${geometry%%+*}"
  sizes="$sizes ${geometry%%+*}"
done
[ "$(echo $sizes | tr ' ' '\n' | sort | tr '\n' ' ')" = "1280x1024 1920x1080 " ] ||
  fail "the hacks draw in windows of$sizes, not one on each monitor"
sleep 5  # past the fade-in, for the record
screenshot "both_monitors" >/dev/null

"${saver_env[@]}" xscreensaver-command -deactivate >/dev/null || fail "xscreensaver-command -deactivate failed"
wait_for_no_hack || fail "a hack outlived the deactivation: $(hack_pids | tr '\n' ' ')"
"${saver_env[@]}" xscreensaver-command -exit >/dev/null 2>&1
log "PASS"
