#!/usr/bin/env bash
# With real display modes (Xorg's dummy driver) the list starts at the first qualifying mode,
# and Return on the dialog as it opens writes the starting values: 00 01 01 00 00 00 and the
# default music path.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xorg_lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_modes

start_dummy_xorg
open_config_dialog /c
window_screenshot "$DIALOG" "configuration_dialog"
press "$DIALOG" Return
expect_exit 0
expect_config 000101000000 "$(default_music_path)"
log "PASS"
