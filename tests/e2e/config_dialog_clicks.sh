#!/usr/bin/env bash
# Clicks through the dialog: the invisible hot spot asks its question and answers Yes; Browse
# chooses an MP3 file in GTK's file chooser; "Play Audio CD" greys the MP3 controls; OK then
# stores source 2 with the dance option still 1 and the chosen path.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_clicks
use_shared_display

open_config_dialog /c

click_control "$DIALOG" "$CONFIG_TABLE" 1022
box=$(wait_for_window "Did you know?") || fail "the hot spot asked nothing"
press "$box" Return
box=$(wait_for_window "Good") || fail "no answer to Yes"
press "$box" Return
wait_for_no_window "Good" || fail "the answer stayed open"

music="$E2E_TMP/My Music/snow song.mp3"
mkdir -p "$(dirname "$music")"
printf 'ID3' >"$music"
click_control "$DIALOG" "$CONFIG_TABLE" 1010
chooser=$(wait_for_window "Open MP3 File") || fail "Browse opened no file chooser"
sleep 0.5
press "$chooser" ctrl+l
timeout "$E2E_PATIENCE" xdotool type --delay 15 "$music" || fail "could not type the path"
sleep 0.3
press "$chooser" Return
wait_for_no_window "Open MP3 File" || fail "the file chooser stayed open"

click_control "$DIALOG" "$CONFIG_TABLE" 1007
screenshot "audio_cd" >/dev/null
click_control "$DIALOG" "$CONFIG_TABLE" 1000
expect_exit 0
expect_config ff0201000000 "$music"
log "PASS"
