#!/usr/bin/env bash
# Closing the saver window the way a window manager's close button does (a WM_DELETE_WINDOW
# request, the window itself left alone) ends the run like Escape: code 1.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init close_request
use_shared_display

start_program /s
box=$(wait_for_window "Pendrel") || fail "no question about the unsupported mode"
press "$box" Return
window=$(wait_for_window "ZIRavar") || fail "no saver window after answering Yes"
xprop -id "$window" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
  fail "the saver window does not take close requests (WM_PROTOCOLS lacks WM_DELETE_WINDOW)"

sleep 0.3
program_running || fail "the program ended before it was asked to close"
"$E2E_X_CLIENT" close "$window" || fail "could not send the close request"
expect_exit 1
wait_for_no_window "ZIRavar" || fail "the saver window outlived the program"
log "PASS"
