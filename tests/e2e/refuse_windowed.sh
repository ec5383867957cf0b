#!/usr/bin/env bash
# Full screen where no display mode qualifies, and the offer of a window is refused with the No
# button: the program says it will close, opens no saver window, and ends with code 0 once
# that is acknowledged. Where there is no X server at all, nobody can see a window: the program
# says so on standard error (with no Wayland display either, no box) and ends with code 0 too.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init refuse_windowed
use_shared_display

start_program /s
box=$(wait_for_window "Pendrel") || fail "no question about the unsupported mode"
expect_message_box "$box"

# No through its mnemonic, as a person at the keyboard answers a GTK dialog.
press "$box" alt+n
wait_for_no_window "Pendrel" || fail "the question stayed on screen after No"

closing=$(wait_for_window "ERROR") || fail "no closing message after No"
expect_message_box "$closing"
find_window "ZIRavar" >/dev/null && fail "a saver window opened although windowed mode was refused"
program_running || fail "the program ended before the closing message was acknowledged"

press "$closing" Return
expect_exit 0
find_window "ZIRavar" >/dev/null && fail "a saver window is on screen after the program ended"

# No display of any kind (GTK would look for a Wayland socket in the runtime folder).
DISPLAY=:99999 WAYLAND_DISPLAY="" XDG_RUNTIME_DIR="$E2E_TMP" setsid "$FROSTMOTE" /s \
  >"$E2E_TMP/headless.log" 2>&1 </dev/null &
PROGRAM_PID=$!
track_pid "$PROGRAM_PID"
expect_exit 0
grep -qxF 'frostmote: Frostmote needs an X server, and no X server answers at DISPLAY=:99999.' \
  "$E2E_TMP/headless.log" || fail "standard error says: $(cat "$E2E_TMP/headless.log")"
log "PASS"
