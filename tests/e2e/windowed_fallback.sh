#!/usr/bin/env bash
# Full screen where no display mode qualifies (Xvfb's only mode has no refresh rate): the
# program offers a window instead, in a box that wants an answer; Yes, the default, gives an
# 800x600 window that draws frame after frame, ignores every key but Escape and all mouse
# input, can be resized, and ends with code 1 on Escape.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init windowed_fallback
use_shared_display

start_program /s
box=$(wait_for_window "Pendrel") || fail "no question about the unsupported mode"
find_window "ZIRavar" >/dev/null && fail "the saver window opened before the question was answered"
screenshot "mode_question" >/dev/null
expect_message_box "$box"
expect_answer_required "$box"

# Return takes the default button, which must be Yes.
press "$box" Return
wait_for_no_window "Pendrel" || fail "the question stayed on screen after Return"
window=$(wait_for_window "ZIRavar") || fail "no saver window after answering Yes"
geometry=$(window_geometry "$window")
log "saver window $window at $geometry"
case $geometry in
  800x600+*) ;;
  *) fail "saver window is $geometry, expected an 800x600 client area" ;;
esac

# The fixture's root window is white; the scene paints sky, snow and globe (black while it
# fades in). A presented frame shows many colours where the bare window would show one.
expect_drawn_window() {
  local what=$1 shot count
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    shot=$(screenshot "$what") || fail "no screenshot"
    count=$(region_colours "$shot" "$geometry" | wc -l)
    [ "$count" -ge 50 ] && return 0
    program_running || fail "the program ended ($what)"
    sleep 0.2
  done
  fail "the saver window does not show a drawn frame ($what); $count colours"
}

# Frames keep coming: whatever covers the window is painted over by the next frame. The window
# is not repainted on expose, so with the program stopped the cover's white stays behind; that
# is checked first, so that a picture afterwards can only come from the frame loop.
expect_frames_continue() {
  local what=$1 shot colours
  kill -STOP "$PROGRAM_PID"
  "$E2E_X_CLIENT" cover "$x" "$y" 800 600 200 || { kill -CONT "$PROGRAM_PID"; fail "could not cover the window"; }
  shot=$(screenshot "${what}_stopped") || { kill -CONT "$PROGRAM_PID"; fail "no screenshot"; }
  kill -CONT "$PROGRAM_PID"
  colours=$(region_colours "$shot" "$geometry")
  [ "$colours" = "#FFFFFF" ] ||
    fail "covering the stopped program's window left $colours, not white: the check proves nothing"
  # Once it runs again, the next frames paint over the white.
  expect_drawn_window "$what"
}

x=${geometry#*+}; x=${x%%+*}
y=${geometry##*+}

expect_drawn_window "first_frame"
expect_frames_continue "frames_after_cover"

# Keys other than Escape, the pointer moving and the buttons being pressed change nothing.
press "$window" a space Return shift+x F1 Tab
timeout "$E2E_PATIENCE" xdotool mousemove --sync $((x + 100)) $((y + 100)) || fail "could not move the pointer"
timeout "$E2E_PATIENCE" xdotool mousemove --sync $((x + 500)) $((y + 400)) click 1 click 3 ||
  fail "could not click"
timeout "$E2E_PATIENCE" xdotool mousemove --sync $((x + 20)) $((y + 30)) || fail "could not move the pointer"
sleep 0.5
program_running || fail "the program ended on a key other than Escape or on mouse input"
[ "$(find_window "ZIRavar")" = "$window" ] || fail "the saver window went away on ordinary input"
expect_frames_continue "frames_after_input"

# An ordinary window: its size is not fixed, and at a new size the frames fill all of it.
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "maximum size" <<<"$hints" && fail "the window has a fixed size: $hints"
timeout "$E2E_PATIENCE" xdotool windowsize --sync "$window" 1000 700 || fail "could not resize the window"
geometry="200x100+$((x + 800))+$((y + 600))"  # only the new size covers this
expect_drawn_window "after_resize"

press "$window" Escape
expect_exit 1
wait_for_no_window "ZIRavar" || fail "the saver window outlived the program"
log "PASS"
