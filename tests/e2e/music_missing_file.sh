#!/usr/bin/env bash
# An MP3 path that names no file: the first frame is drawn, then the window goes, "Fatal Error"
# shows the path, and the program ends with code 0 once it is acknowledged.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init music_missing_file
use_shared_display

missing="$E2E_TMP/nowhere/lost music.mp3"
# Mode 0, MP3 file, dance, no counter, then the path.
printf '\x00\x01\x01\x00\x00\x00%s' "$missing" >"$(config_file)"
start_program /s
box=$(wait_for_window "Pendrel") || fail "no question about the unsupported mode"
press "$box" Return
box=$(wait_for_window "Fatal Error") || fail "no message about the missing music"
find_window "ZIRavar" >/dev/null && fail "the saver window is still there under the message"
screenshot "fatal_error" >/dev/null
press "$box" Return
expect_exit 0
log "PASS"
