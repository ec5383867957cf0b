#!/usr/bin/env bash
# Without the key file that says where the data lives, /s stops before anything else with a
# fatal error, and ends with code 0 once it is acknowledged. A key file without our key counts
# as missing too.
source "$(dirname "$0")/lib.sh"
FROSTMOTE=${1:-}
e2e_init missing_install_key
use_shared_display

# The key file is found beside the program's bin/ folder, so a copy of the program in a fresh
# tree has none.
mkdir -p "$E2E_TMP/tree/bin"
cp "$FROSTMOTE" "$E2E_TMP/tree/bin/frostmote"
FROSTMOTE="$E2E_TMP/tree/bin/frostmote"

expect_fatal_error() {
  local what=$1 box
  start_program /s
  box=$(wait_for_window "Fatal error") || fail "no fatal error ($what)"
  expect_message_box "$box"
  find_window "Pendrel" >/dev/null && fail "the program went on to the display mode ($what)"
  find_window "ZIRavar" >/dev/null && fail "a saver window opened ($what)"
  press "$box" Return
  expect_exit 0
}

expect_fatal_error "no key file"

# Another program's key, and ours commented out.
mkdir -p "$E2E_TMP/tree/etc/frostmote"
cat >"$E2E_TMP/tree/etc/frostmote/install.reg" <<'KEY'
[HKEY_LOCAL_MACHINE\software\Torvane\Elsewhere]
path=/nowhere
; [HKEY_LOCAL_MACHINE\software\Torvane\ZADevor]
KEY
expect_fatal_error "key file without the key"
log "PASS"
