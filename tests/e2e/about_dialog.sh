#!/usr/bin/env bash
# About opens a second dialog owned by the configuration dialog. Escape and Return leave it
# open; every "visit" click hands its address to the desktop's web browser (here a recorder
# registered for https the way a browser registers itself) and the dialog stays; its close box
# closes it and leaves the configuration dialog open.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init about_dialog
use_shared_display

export XDG_DATA_HOME="$E2E_TMP/data"
visits="$E2E_TMP/visits.txt"
mkdir -p "$XDG_DATA_HOME/applications"
cat >"$E2E_TMP/browser.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$visits"
SCRIPT
chmod +x "$E2E_TMP/browser.sh"
cat >"$XDG_DATA_HOME/applications/frostmote-test-browser.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Test browser
Exec=$E2E_TMP/browser.sh %u
MimeType=x-scheme-handler/http;x-scheme-handler/https;
ENTRY
cat >"$XDG_CONFIG_HOME/mimeapps.list" <<LIST
[Default Applications]
x-scheme-handler/http=frostmote-test-browser.desktop
x-scheme-handler/https=frostmote-test-browser.desktop
LIST

# wait_for_visits COUNT: the recorder has been asked COUNT times.
wait_for_visits() {
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    [ "$(wc -l <"$visits" 2>/dev/null || echo 0)" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "the browser was asked $(wc -l <"$visits" 2>/dev/null || echo 0) times, expected $1"
}

open_config_dialog /c
click_control "$DIALOG" "$CONFIG_TABLE" 1011
about=$(wait_for_window "About") || fail "no About dialog"
sleep 0.3
xprop -id "$about" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$DIALOG")" ||
  fail "About is not owned by the configuration dialog"
window_screenshot "$about" "about_dialog"

press "$about" Escape Return
still_open "$about" "Escape and Return"

click_control "$about" "$ABOUT_TABLE" 1003
wait_for_visits 1
click_control "$about" "$ABOUT_TABLE" 1003
wait_for_visits 2
click_control "$about" "$ABOUT_TABLE" 1000
wait_for_visits 3
still_open "$about" "the visit clicks"
mapfile -t asked <"$visits"
[ "${asked[0]}" = "${asked[1]}" ] || fail "two clicks on one button opened ${asked[0]} and ${asked[1]}"
[ "${asked[0]}" != "${asked[2]}" ] || fail "two buttons opened the same page ${asked[0]}"
for address in "${asked[@]}"; do
  case $address in https://*.example.*/*) ;; *) fail "unexpected address $address" ;; esac
done
log "visited ${asked[*]}"

"$E2E_X_CLIENT" close "$about" || fail "could not send the close request"
wait_for_no_window "About" || fail "the close box did not close About"
still_open "$DIALOG" "About closed"
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_exit 0
[ ! -e "$(config_file)" ] || fail "About or Cancel wrote config.cfg"
log "PASS"
