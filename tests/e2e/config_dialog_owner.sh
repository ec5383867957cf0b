#!/usr/bin/env bash
# /c <xid> makes the dialog a modal dialog of that window, /c alone of the window that has the
# keyboard focus, and /c with an id that names no window still opens it, owned by nothing. Its
# message boxes belong to it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_dialog_owner
use_shared_display

"$E2E_X_CLIENT" window "Display Settings" >"$E2E_TMP/owner.id" &
track_pid $!
for _ in $(seq 1200); do [ -s "$E2E_TMP/owner.id" ] && break; sleep 0.05; done
owner=$(cat "$E2E_TMP/owner.id")
[ -n "$owner" ] || fail "no window to own the dialog"

# expect_owner WANT: the dialog's WM_TRANSIENT_FOR names window WANT (decimal), or none ("").
expect_owner() {
  local property
  property=$(xprop -id "$DIALOG" WM_TRANSIENT_FOR)
  if [ -z "$1" ]; then
    case $property in *"window id"*) fail "owned by a window: $property" ;; esac
  else
    case $property in *"$(printf '0x%x' "$1")"*) ;; *) fail "not owned by $1: $property" ;; esac
  fi
  xprop -id "$DIALOG" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the dialog is not modal"
}

open_config_dialog /c "$owner"
expect_owner "$owner"
# The hidden question belongs to the dialog in turn, and wants an answer.
click_control "$DIALOG" "$CONFIG_TABLE" 1022
box=$(wait_for_window "Did you know?") || fail "no question from the hot spot"
expect_message_box "$box" "$DIALOG" dialog
expect_answer_required "$box"
press "$box" alt+n
box=$(wait_for_window "Now you know...") || fail "No did not give its answer"
press "$box" Return
wait_for_no_window "Now you know..." || fail "the answer stayed on screen"
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_exit 0

timeout "$E2E_PATIENCE" xdotool windowfocus --sync "$owner" || fail "could not focus the owner"
open_config_dialog /c
expect_owner "$owner"
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_exit 0

open_config_dialog /c:123456789
expect_owner ""
click_control "$DIALOG" "$CONFIG_TABLE" 1004
expect_exit 0
log "PASS"
