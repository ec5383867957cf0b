#!/usr/bin/env bash
# The password request (/a with a window handle) is answered with a message that the check is
# not available; once acknowledged the program ends with code 0 and no saver window was shown.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init password_message
use_shared_display

start_program /a 5678
box=$(wait_for_window "KV Saver" 15) || fail "no password message"
mapfile -t buttons < <(message_box_buttons "$box")
[ "${#buttons[@]}" -eq 1 ] || fail "the password message has ${#buttons[@]} buttons, expected OK only"
find_window "ZIRavar" >/dev/null && fail "a saver window opened for the password request"

press "$box" Return
expect_exit 0 10
log "PASS"
