#!/usr/bin/env bash
# A real display-mode switch: on an Xorg server with the dummy video driver, whose modes have
# refresh rates, config.cfg picks a mode and /s runs full screen in it. The screen takes that
# size while the saver runs, smaller (800x600) or larger (1280x1024) than the desktop's, and is
# back at 1024x768 after Escape, which ends the run with code 1. A mode the monitor lists but the
# server cannot show (8000x6000, more than the card's memory) brings the offer of a window
# before any window exists, and leaves the screen alone.
#
# Needs root, Xorg with the dummy driver (xserver-xorg-core, xserver-xorg-video-dummy) and
# xrandr (x11-xserver-utils). A missing piece fails the test: a skipped check looks like a pass.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xorg_lib.sh"
FROSTMOTE=${1:-}
e2e_init xorg_mode_switch

start_dummy_xorg

# "WIDTHxHEIGHT" of the screen and of the first connected output's current mode.
screen_size() {
  xrandr 2>/dev/null | awk '/^Screen 0:/ { for (i = 1; i <= NF; ++i) if ($i == "current") {
    w = $(i + 1); h = $(i + 3); sub(/,/, "", h); print w "x" h; exit } }'
}
output_mode() {
  xrandr 2>/dev/null | awk '/ connected/ { for (i = 1; i <= NF; ++i)
    if ($i ~ /^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$/) { split($i, g, "+"); print g[1]; exit } }'
}
# expect_screen SIZE WHY: polls briefly, as the server applies the change asynchronously.
expect_screen() {
  local want=$1 why=$2 screen="" output=""
  local deadline=$(($(now_ms) + 5000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    screen=$(screen_size)
    output=$(output_mode)
    [ "$screen" = "$want" ] && [ "$output" = "$want" ] && return 0
    sleep 0.1
  done
  xrandr >&2
  fail "screen $screen, output mode $output; expected $want $why"
}

expect_screen 1024x768 "before the saver starts"

# store_mode W H: writes config.cfg with the saver's index of the W x H mode. The index counts
# only the modes the saver offers (24 or 32 bits, width over height strictly between 1.24 and
# 1.34, at least 640 wide, at least 60 Hz), in SDL's order, and the server's built-in VESA modes
# come on top of ours, so each mode's place has to be looked up.
store_mode() {
  local index
  "$E2E_SDL_MODES" >"$E2E_TMP/sdl_modes.txt" || fail "could not list the display modes"
  index=$(awk -v w="$1" -v h="$2" '
    ($4 == 24 || $4 == 32) && $3 > 0 && $2 / $3 > 1.24 && $2 / $3 < 1.34 && $2 >= 640 && $5 >= 60 {
      if ($2 == w && $3 == h) { print n + 0; exit }
      ++n
    }' "$E2E_TMP/sdl_modes.txt")
  [ -n "$index" ] || { cat "$E2E_TMP/sdl_modes.txt" >&2; fail "SDL offers no qualifying $1x$2 mode"; }
  log "$1x$2 is number $index of the saver's list"
  [ "$index" -lt 256 ] || fail "index $index does not fit config.cfg's byte"
  # Mode index, no sound (nothing to load), no dancing, no FPS counter, two reserved bytes, no
  # MP3 path.
  printf "\\$(printf '%03o' "$index")\\004\\000\\000\\000\\000" \
    >"$XDG_CONFIG_HOME/frostmote/config.cfg"
}

[ -x "${E2E_SDL_MODES:-}" ] || fail "E2E_SDL_MODES does not name the mode lister"
for size in 800x600 1280x1024; do
  store_mode "${size%x*}" "${size#*x}"
  start_program /s
  deadline=$(($(now_ms) + 15000))
  window=""
  while [ "$(now_ms)" -lt "$deadline" ]; do
    find_window "Pendrel" >/dev/null && fail "the program found the $size mode unsupported"
    window=$(find_window "ZIRavar") && break
    program_running || fail "the program ended before its window appeared"
    sleep 0.05
  done
  [ -n "$window" ] || fail "no saver window"
  expect_screen "$size" "while the saver runs"
  geometry=$(window_geometry "$window")
  [ "$geometry" = "$size+0+0" ] || fail "the saver window is $geometry, not the whole $size screen"
  screenshot "running-$size" >/dev/null

  sleep 0.3
  program_running || fail "the program ended by itself"
  press "$window" Escape
  expect_exit 1 10
  expect_screen 1024x768 "after the saver ended"
done

# 8000 x 6000 x 4 bytes is three times the dummy card's 64 MiB.
xrandr --newmode 8000x6000 2882.88 8000 8001 8002 8003 6000 6001 6002 6003 &&
  xrandr --addmode DUMMY0 8000x6000 || fail "could not add the 8000x6000 mode"
store_mode 8000 6000
start_program /s
box=$(wait_for_window "Pendrel" 15) || fail "no offer of a window when the server refused the mode"
expect_screen 1024x768 "after the refused switch"
press "$box" alt+n
closing=$(wait_for_window "ERROR" 10) || fail "no closing message after No"
press "$closing" Return
expect_exit 0 10
log "PASS"
