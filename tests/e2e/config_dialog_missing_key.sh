#!/usr/bin/env bash
# Without the key file that says where the data lives, /c says "Cannot read registry entries"
# before the dialog appears, and the program ends with 0 once that is acknowledged.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_missing_key
use_shared_display

mkdir -p "$E2E_TMP/tree/bin"
cp "$FROSTMOTE" "$E2E_TMP/tree/bin/frostmote"
FROSTMOTE="$E2E_TMP/tree/bin/frostmote"

start_program /c
box=$(wait_for_window "Fatal error") || fail "no fatal error"
find_window "$CONFIG_CAPTION" >/dev/null && fail "the dialog appeared without its key"
press "$box" Return
expect_exit 0
[ ! -e "$(config_file)" ] || fail "config.cfg was written"
log "PASS"
