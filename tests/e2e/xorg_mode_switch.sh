#!/usr/bin/env bash
# A real display-mode switch: on an Xorg server with the dummy video driver, whose modes have
# refresh rates, config.cfg picks a mode and /s runs full screen in it. The screen takes that
# size while the saver runs, smaller (800x600) or larger (1280x1024) than the desktop's, and is
# back at 1024x768 after Escape, which ends the run with code 1, and after a death the saver
# cannot catch (SIGKILL, SIGSEGV). With a second monitor, primary and to the right of the
# first, the saver covers exactly that monitor and the other keeps its mode; a monitor that
# mirrors the switched one mirrors it throughout. A mode the monitor lists but the server cannot
# show (8000x6000, more than the card's memory) brings the offer of a window before any window
# exists, and leaves the screen alone; SIGTERM while that question waits ends the run.
#
# Needs root, Xorg with the dummy driver (xserver-xorg-core, xserver-xorg-video-dummy) and
# xrandr (x11-xserver-utils). A missing piece fails the test: a skipped check looks like a pass.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xorg_lib.sh"
FROSTMOTE=${1:-}
e2e_init xorg_mode_switch

start_dummy_xorg

# The screen's size, then each lit output's mode and place: "1024x768 DUMMY0=1024x768+0+0".
layout() {
  xrandr 2>/dev/null | awk '
    /^Screen 0:/ { for (i = 1; i <= NF; ++i) if ($i == "current") {
                     h = $(i + 3); sub(/,/, "", h); screen = $(i + 1) "x" h } }
    / connected/ { for (i = 1; i <= NF; ++i)
                     if ($i ~ /^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$/) outputs = outputs " " $1 "=" $i }
    END { print screen outputs }'
}
# expect_layout LAYOUT WHY: polls, as the server applies a change asynchronously and the guard
# of a saver that died needs a moment; only a failure waits the whole minute.
expect_layout() {
  local want=$1 why=$2 now=""
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    now=$(layout)
    [ "$now" = "$want" ] && return 0
    sleep 0.1
  done
  xrandr >&2
  fail "the layout is $now; expected $want $why"
}

start=$(layout)
[ "$start" = "1024x768 DUMMY0=1024x768+0+0" ] || fail "the server starts with $start"

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

# switched_run SIZE: /s in that mode; once its window is up, WINDOW names it.
switched_run() {
  store_mode "${1%x*}" "${1#*x}"
  start_program /s
  local deadline=$(($(now_ms) + 60000))
  WINDOW=""
  while [ "$(now_ms)" -lt "$deadline" ]; do
    find_window "Pendrel" >/dev/null && fail "the program found the $1 mode unsupported"
    WINDOW=$(find_window "ZIRavar") && return 0
    program_running || fail "the program ended before its window appeared"
    sleep 0.05
  done
  fail "no saver window"
}

[ -x "${E2E_SDL_MODES:-}" ] || fail "E2E_SDL_MODES does not name the mode lister"
for size in 800x600 1280x1024; do
  switched_run "$size"
  expect_layout "$size DUMMY0=$size+0+0" "while the saver runs"
  geometry=$(window_geometry "$WINDOW")
  [ "$geometry" = "$size+0+0" ] || fail "the saver window is $geometry, not the whole $size screen"
  screenshot "running-$size" >/dev/null
  program_running || fail "the program ended by itself"
  press "$WINDOW" Escape
  expect_exit 1
  expect_layout "$start" "after the saver ended"
done

# Deaths that no handler sees: the guard puts the mode back.
for signal in KILL SEGV; do
  switched_run 800x600
  expect_layout "800x600 DUMMY0=800x600+0+0" "while the saver runs"
  kill -"$signal" "$PROGRAM_PID"
  wait_exit "$PROGRAM_PID" "$E2E_PATIENCE" >/dev/null || fail "SIG$signal did not end the program"
  expect_layout "$start" "after SIG$signal"
done

# A second monitor, primary, to the right of the first: the saver covers it alone.
for mode in 1024x768 800x600 1280x1024; do xrandr --addmode DUMMY1 "$mode"; done
xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 --primary || fail "no second monitor"
two="2048x768 DUMMY0=1024x768+0+0 DUMMY1=1024x768+1024+0"
expect_layout "$two" "with a second monitor"
switched_run 800x600
expect_layout "1824x768 DUMMY0=1024x768+0+0 DUMMY1=800x600+1024+0" "while the saver runs"
geometry=$(window_geometry "$WINDOW")
[ "$geometry" = "800x600+1024+0" ] || fail "the saver window is $geometry, not the primary monitor"
press "$WINDOW" Escape
expect_exit 1
expect_layout "$two" "after the saver ended"

# Two monitors showing the same picture go on showing the same picture, and are back as they
# were after a death.
xrandr --output DUMMY0 --primary --output DUMMY1 --same-as DUMMY0 || fail "no mirror"
clones="1024x768 DUMMY0=1024x768+0+0 DUMMY1=1024x768+0+0"
expect_layout "$clones" "with a mirror"
switched_run 800x600
expect_layout "800x600 DUMMY0=800x600+0+0 DUMMY1=800x600+0+0" "while the saver runs"
kill -KILL "$PROGRAM_PID"
wait_exit "$PROGRAM_PID" "$E2E_PATIENCE" >/dev/null || fail "SIGKILL did not end the program"
expect_layout "$clones" "after SIGKILL"
xrandr --output DUMMY1 --off || fail "could not turn the mirror off"
expect_layout "$start" "with one monitor again"

# 8000 x 6000 x 4 bytes is three times the dummy card's 64 MiB.
xrandr --newmode 8000x6000 2882.88 8000 8001 8002 8003 6000 6001 6002 6003 &&
  xrandr --addmode DUMMY0 8000x6000 || fail "could not add the 8000x6000 mode"
store_mode 8000 6000
start_program /s
box=$(wait_for_window "Pendrel") || fail "no offer of a window when the server refused the mode"
expect_layout "$start" "after the refused switch"
press "$box" alt+n
closing=$(wait_for_window "ERROR") || fail "no closing message after No"
press "$closing" Return
expect_exit 0
# The question waits for an answer, not for ever: SIGTERM ends the run as No would.
start_program /s
wait_for_window "Pendrel" >/dev/null || fail "no offer of a window the second time"
kill -TERM "$PROGRAM_PID"
expect_exit 0
expect_layout "$start" "after SIGTERM during the question"
log "PASS"
