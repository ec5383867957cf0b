#!/usr/bin/env bash
# The installer, run silently, writes the registry value; "/s" then finds its data through it,
# switches the display to the first mode of its list, draws the scene and plays the music, and
# Escape ends it with exit code 1 and the display mode it found.
#
# On the Xorg dummy server, whose modes have refresh rates (Xvfb's one mode has none, and
# with no mode to offer the saver would only ask whether to run in a window). Needs root.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_installed_saver xorg
current_mode() { xrandr 2>/dev/null | sed -n 's/.*current \([0-9]*\) x \([0-9]*\).*/\1x\2/p'; }
before=$(current_mode)
[ -f "${FROST_INSTALLER:-}" ] || fail "FROST_INSTALLER does not name the setup program"

timeout 120 "$WINE" "$FROST_INSTALLER" /S || fail "the installer failed"
folder=$(install_value)
[ -n "$folder" ] || fail "the installer wrote no registry value"
log "installed into $folder"

start_scr /s
saver=$(wait_for_window ZIRavar 30) || fail "no saver window"
sleep 8
program_running || fail "the saver ended by itself"
# No config.cfg: the first mode the saver offers, Wine's 640x480 at 85 Hz on this server.
during=$(current_mode)
log "display mode $before before, $during while the saver runs"
[ "$during" = 640x480 ] || fail "the display is $during, not the first offered mode 640x480"
[ "$(window_geometry "$saver")" = 640x480+0+0 ] ||
  fail "the saver window is $(window_geometry "$saver"), not the whole 640x480 screen"
shot=$(screenshot scene) || fail "no screenshot"
level=$(mean_level "$shot" 640x480+0+0)
log "mean level of the screen: $level"
[ "${level:-0}" -ge 40 ] || fail "the scene is dark (mean level $level)"
# A scene, not a flat fill: sky, snow and globe give many colours.
colours=$(convert "$shot" -crop 640x480+0+0 +repage -format '%k' info:-)
log "colours in the saver window: $colours"
[ "$colours" -ge 1000 ] || fail "only $colours colours: not the scene"

# Other keys and mouse movement change nothing; Escape ends the run.
press "$saver" space a
xdotool mousemove 100 100 mousemove 300 300
sleep 1
program_running || fail "a key other than Escape or the mouse ended the saver"
press "$saver" Escape
expect_exit 1 30
after=$(current_mode)
[ "$after" = "$before" ] || fail "the display mode is $after after the run, not $before"

# The music was playing: the sound card's file holds more than silence.
[ -s "$E2E_TMP/audio.raw" ] || fail "nothing was played"
peak=$(od -An -v -t d2 -w2 "$E2E_TMP/audio.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > p) p = v } END { print p + 0 }')
log "played $(stat -c %s "$E2E_TMP/audio.raw") bytes, peak $peak"
[ "$peak" -ge 1000 ] || fail "the music is silent (peak $peak)"
wine_end
log PASS
