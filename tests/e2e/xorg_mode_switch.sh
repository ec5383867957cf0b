#!/usr/bin/env bash
# A real display-mode switch: on an Xorg server with the dummy video driver, whose modes have
# refresh rates, config.cfg picks 800x600 and /s runs full screen in it. The screen is 800x600
# while the saver runs and back at 1024x768 after Escape, which ends the run with code 1.
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

# The stored index counts only the modes the saver offers (24 or 32 bits, width over height
# strictly between 1.24 and 1.34, at least 640 wide, at least 60 Hz), in SDL's order. The
# server's built-in VESA modes come on top of ours, so 800x600's place has to be looked up.
[ -x "${E2E_SDL_MODES:-}" ] || fail "E2E_SDL_MODES does not name the mode lister"
"$E2E_SDL_MODES" >"$E2E_TMP/sdl_modes.txt" || fail "could not list the display modes"
index=$(awk '
  ($4 == 24 || $4 == 32) && $3 > 0 && $2 / $3 > 1.24 && $2 / $3 < 1.34 && $2 >= 640 && $5 >= 60 {
    if ($2 == 800 && $3 == 600) { print n; exit }
    ++n
  }' "$E2E_TMP/sdl_modes.txt")
[ -n "$index" ] || { cat "$E2E_TMP/sdl_modes.txt" >&2; fail "SDL offers no qualifying 800x600 mode"; }
raw=$(awk '$2 == 800 && $3 == 600 { print $1; exit }' "$E2E_TMP/sdl_modes.txt")
log "800x600 is mode $raw of SDL's $(wc -l <"$E2E_TMP/sdl_modes.txt") and number $index of the saver's list"
[ "$index" -lt 256 ] || fail "index $index does not fit config.cfg's byte"

# Mode index, no sound (nothing to load), no dancing, no FPS counter, two reserved bytes, no
# MP3 path.
printf "\\$(printf '%03o' "$index")\\004\\000\\000\\000\\000" \
  >"$XDG_CONFIG_HOME/frostmote/config.cfg"

start_program /s
deadline=$(($(now_ms) + 15000))
window=""
while [ "$(now_ms)" -lt "$deadline" ]; do
  find_window "Pendrel" >/dev/null && fail "the program found the 800x600 mode unsupported"
  window=$(find_window "ZIRavar") && break
  program_running || fail "the program ended before its window appeared"
  sleep 0.05
done
[ -n "$window" ] || fail "no saver window"
expect_screen 800x600 "while the saver runs"
geometry=$(window_geometry "$window")
[ "$geometry" = "800x600+0+0" ] || fail "the saver window is $geometry, not the whole 800x600 screen"
screenshot "running" >/dev/null

sleep 0.3
program_running || fail "the program ended by itself"
press "$window" Escape
expect_exit 1 10
expect_screen 1024x768 "after the saver ended"
log "PASS"
