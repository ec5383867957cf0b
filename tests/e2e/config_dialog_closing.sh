#!/usr/bin/env bash
# Only OK saves. Cancel, the close box, Escape followed by Cancel, and Tab from OK to Cancel
# followed by Return each end the program with 0 and leave config.cfg exactly as it was, even
# after the user changed the controls.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_closing
use_shared_display

mkdir -p "$(dirname "$(config_file)")"
printf '\001\004\000\001\000\000/music/old.mp3' >"$(config_file)"
before=$(hex_of "$(config_file)")

expect_unchanged() {
  expect_exit 0
  [ "$(hex_of "$(config_file)")" = "$before" ] || fail "config.cfg changed after $1"
  [ ! -e "$(config_file).new" ] || fail "a temporary file was left after $1"
  log "$1: nothing written"
}

open_config_dialog /c
click_control "$DIALOG" "$CONFIG_TABLE" 1006
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_unchanged "Cancel"

open_config_dialog /c
click_control "$DIALOG" "$CONFIG_TABLE" 1007
"$E2E_X_CLIENT" close "$DIALOG" || fail "could not send the close request"
expect_unchanged "the close box"

open_config_dialog /c
click_control "$DIALOG" "$CONFIG_TABLE" 1025
press "$DIALOG" Escape
still_open "$DIALOG" "Escape"
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_unchanged "Escape, then Cancel"

# Tab follows the template: Cancel comes right after OK.
open_config_dialog /c
press "$DIALOG" Tab Return
expect_unchanged "Tab and Return"
log "PASS"
