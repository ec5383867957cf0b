#!/usr/bin/env bash
# The password request (/a with a window handle) is answered with a message that the check is
# not available, owned by that window; once acknowledged the program ends with code 0 and no
# saver window was shown. A handle that names no window still gets the message.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init password_message
use_shared_display

host_window "Display Properties" 300 200
start_program /a "$HOST"
box=$(wait_for_window "KV Saver") || fail "no password message"
expect_message_box "$box" "$HOST"
find_window "ZIRavar" >/dev/null && fail "a saver window opened for the password request"
press "$box" Return
expect_exit 0

start_program /a 5678
box=$(wait_for_window "KV Saver") || fail "no password message for a handle that names no window"
press "$box" Escape
expect_exit 0
log "PASS"
