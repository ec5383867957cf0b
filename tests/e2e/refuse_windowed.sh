#!/usr/bin/env bash
# Full screen where no display mode qualifies, and the offer of a window is refused with the No
# button: the program says it will close, opens no saver window, and ends with code 0 once
# that is acknowledged.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init refuse_windowed
use_shared_display

start_program /s
box=$(wait_for_window "Pendrel" 15) || fail "no question about the unsupported mode"
mapfile -t buttons < <(message_box_buttons "$box")
[ "${#buttons[@]}" -eq 2 ] || fail "the question has ${#buttons[@]} buttons, expected Yes and No"

# No is the right-hand button; clicked with the pointer, as a person would.
read -r x y <<<"${buttons[1]}"
timeout 10 xdotool mousemove --sync "$x" "$y" click 1 || fail "could not click No"
wait_for_no_window "Pendrel" 5 || fail "the question stayed on screen after No"

closing=$(wait_for_window "ERROR" 10) || fail "no closing message after No"
find_window "ZIRavar" >/dev/null && fail "a saver window opened although windowed mode was refused"
mapfile -t buttons < <(message_box_buttons "$closing")
[ "${#buttons[@]}" -eq 1 ] || fail "the closing message has ${#buttons[@]} buttons, expected OK only"
program_running || fail "the program ended before the closing message was acknowledged"

press "$closing" Return
expect_exit 0 10
find_window "ZIRavar" >/dev/null && fail "a saver window is on screen after the program ended"
log "PASS"
