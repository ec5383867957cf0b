#!/usr/bin/env bash
# Saving where it cannot be saved: a configuration folder that is read-only, and a disk that is
# full. OK tells the user ("Configuration save failed") and config.cfg keeps every byte it had.
# Needs root (it mounts small file systems); skips otherwise.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init config_faults
use_shared_display
if [ "$(id -u)" -ne 0 ] || ! command -v mount >/dev/null; then
  log "SKIP: mounting a file system needs root"
  exit 77
fi

folder="$(dirname "$(config_file)")"
mounted=
unmount() { [ -n "$mounted" ] && umount "$folder" 2>/dev/null; mounted=; }
trap 'unmount; e2e_cleanup' EXIT

# save_fails WHAT: OK in the dialog shows the failure; the program ends with 0; nothing changed.
save_fails() {
  local what=$1 box before
  before=$(hex_of "$(config_file)")
  open_config_dialog /c
  press "$DIALOG" Return  # the focus starts on OK
  box=$(wait_for_window "Error") || fail "no message when the save failed ($what)"
  screenshot "${what// /_}" >/dev/null
  press "$box" Return
  expect_exit 0
  [ "$(hex_of "$(config_file)")" = "$before" ] || fail "config.cfg changed ($what)"
  [ ! -e "$(config_file).new" ] || fail "a temporary file was left behind ($what)"
  log "$what: told, and config.cfg kept"
}

original='\001\004\001\001\000\000/music/kept.mp3'

# A read-only folder (root writes anywhere else, so it is a read-only file system).
mkdir -p "$folder"
if ! mount -t tmpfs -o size=64k tmpfs "$folder" 2>/dev/null; then
  # A container may deny mounts even to root: nothing here can then be tested.
  log "SKIP: this machine does not let us mount a tmpfs"
  exit 77
fi
mounted=1
printf "$original" >"$(config_file)"
mount -o remount,ro "$folder" || fail "could not make the folder read-only"
save_fails "read-only folder"
unmount

# A full disk: the smallest tmpfs, filled up once config.cfg is in it.
mount -t tmpfs -o size=8k tmpfs "$folder" || fail "could not mount a small tmpfs"
mounted=1
printf "$original" >"$(config_file)"
dd if=/dev/zero of="$folder/filler" bs=1k count=64 2>/dev/null || true
save_fails "full disk"
unmount
log "PASS"
