#!/usr/bin/env bash
# "/a 5678" answers a password request with its message, caption "KV Saver", and exits 0. The
# number names no window here, and the message must still be seen.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_password_message

start_scr /a 5678
expect_message "KV Saver" "Sorry, password check is only\\navailable on NT os's"
press "$(find_window "KV Saver")" Return
expect_exit 0 20
wine_end
log PASS
