#!/usr/bin/env bash
# /c opens "Frostmote Configuration" with the focus on OK, so Return presses OK: it writes the
# starting values and the program ends with 0. Xvfb offers no qualifying display mode, so
# nothing is selected and the index is stored as 255. Escape, and Return while a check box has
# the focus, leave the dialog open; OK then saves the check box as clicked.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_keys
use_shared_display

open_config_dialog /c
screenshot "dialog" >/dev/null
[ ! -e "$(config_file)" ] || fail "opening the dialog wrote config.cfg"
press "$DIALOG" Return
expect_exit 0
expect_config ff0101000000 "$(default_music_path)"

rm -f "$(config_file)"
open_config_dialog /c
press "$DIALOG" Escape
still_open "$DIALOG" "Escape"
click_control "$DIALOG" "$CONFIG_TABLE" 1025
press "$DIALOG" Return
still_open "$DIALOG" "Return on the Show FPS check box"
[ ! -e "$(config_file)" ] || fail "Escape or Return wrote config.cfg"
click_control "$DIALOG" "$CONFIG_TABLE" 1000
expect_exit 0
expect_config ff0101010000 "$(default_music_path)"
log "PASS"
