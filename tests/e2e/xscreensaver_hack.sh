#!/usr/bin/env bash
# xscreensaver runs an installed Frostmote through its own configuration, as a person sets it
# up: a ~/.xscreensaver whose programs list names the hack's link, mode "one". Activated, the
# daemon starts the hack in its window and the scene draws there, in the installed data folder,
# with no dialog or question of its own; deactivated, the daemon stops it. Then
# xscreensaver-settings previews the selected hack in its small pane, and closing the settings
# takes the hack down with the pane.
#
# xscreensaver_hack.sh FROSTMOTE; E2E_BUILD_DIR and E2E_CMAKE name the build tree and cmake.
# Exits 77 (skipped) without xscreensaver. xscreensaver launches no hacks as root, so a root
# run hands the daemon and the settings to the user "nobody".
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/install_lib.sh"
set -o pipefail
FROSTMOTE=${1:-}
for tool in xscreensaver xscreensaver-command xscreensaver-settings; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (Debian package xscreensaver)"; exit 77; }
done
e2e_init xscreensaver_hack
use_shared_display
start_xscreensaver
log "xscreensaver (pid $daemon) is up"

"${saver_env[@]}" xscreensaver-command -activate >/dev/null || fail "xscreensaver-command -activate failed"
hack=$(wait_for_hack) || { cat "$E2E_TMP/xscreensaver.log" >&2; fail "xscreensaver did not start the hack"; }
log "hack: $(tr '\0' ' ' <"/proc/$hack/cmdline") (pid $hack)"
expect_scene "$hack" "$(xwininfo -root | awk '/^ +Width:/ { w = $NF } /^ +Height:/ { h = $NF }
                                    END { printf "%sx%s+0+0", w, h }')" "activated"
# Still the same run: no second copy, nothing that ended and came back.
[ "$(hack_pids)" = "$hack" ] || fail "the hack is no longer pid $hack: $(hack_pids | tr '\n' ' ')"

"${saver_env[@]}" xscreensaver-command -deactivate >/dev/null || fail "xscreensaver-command -deactivate failed"
wait_for_no_hack || fail "the hack outlived the deactivation"

# The settings preview the mode they select, in a pane of their own window.
setsid "${saver_env[@]}" xscreensaver-settings >"$E2E_TMP/settings.log" 2>&1 &
settings=$!
track_pid "$settings"
pane=$(wait_for_window "XScreenSaver Settings Preview") || fail "no preview pane in xscreensaver-settings"
hack=$(wait_for_hack) || { cat "$E2E_TMP/settings.log" >&2; fail "the settings did not preview the hack"; }
log "preview: $(tr '\0' ' ' <"/proc/$hack/cmdline") (pid $hack)"
expect_scene "$hack" "$(window_geometry "$pane")" "preview"

# Closing the settings destroys the pane, and with it the hack's window.
kill -- "-$settings"
wait "$settings" 2>/dev/null
wait_for_no_hack || fail "the previewed hack outlived the settings window"

"${saver_env[@]}" xscreensaver-command -exit >/dev/null 2>&1
for _ in $(seq 50); do kill -0 "$daemon" 2>/dev/null || break; sleep 0.1; done
log "PASS"
