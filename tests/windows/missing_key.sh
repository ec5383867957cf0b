#!/usr/bin/env bash
# Without the registry value the installer writes, "/s" says so and exits 0, and so does "/p".
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_missing_key
delete_install_key

start_scr /s
expect_message "Fatal error" "Registry keys are missing\\nPlease reinstall"
press "$(find_window "Fatal error")" Return
expect_exit 0 20

# The preview checks the key after its class: the same message, from inside the panel.
start_panel 152 112 30
start_scr /p "$PANEL"
expect_message "Fatal error" "Registry keys are missing\\nPlease reinstall"
press "$(find_window "Fatal error")" Return
expect_exit 0 20
wine_end
log PASS
