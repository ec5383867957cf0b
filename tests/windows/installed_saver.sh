#!/usr/bin/env bash
# The installer, run silently, writes the registry value; "/s" then finds its data through it,
# draws the scene and plays the music, and Escape ends it with exit code 1.
#
# Xvfb's one display mode reports no refresh rate, so no mode qualifies for the saver's list
# and it asks whether to run in a window; a person answers Yes.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_installed_saver
[ -f "${FROST_INSTALLER:-}" ] || fail "FROST_INSTALLER does not name the setup program"

timeout 120 "$WINE" "$FROST_INSTALLER" /S || fail "the installer failed"
folder=$(install_value)
[ -n "$folder" ] || fail "the installer wrote no registry value"
log "installed into $folder"

start_scr /s
question=$(wait_for_window Pendrel 30) || fail "no question about the display mode"
expect_message Pendrel "The Requested Fullscreen Mode Is Not Supported By\\nYour Video Card. Use Windowed Mode Instead?"
press "$question" Return
saver=$(wait_for_window ZIRavar 30) || fail "no saver window"
sleep 8
program_running || fail "the saver ended by itself"
shot=$(screenshot scene) || fail "no screenshot"
level=$(mean_level "$shot" "$(window_geometry "$saver")")
log "mean level of the saver window: $level"
[ "${level:-0}" -ge 40 ] || fail "the scene is dark (mean level $level)"
# A scene, not a flat fill: sky, snow and globe give many colours.
colours=$(convert "$shot" -crop "$(window_geometry "$saver")" +repage -format '%k' info:-)
log "colours in the saver window: $colours"
[ "$colours" -ge 1000 ] || fail "only $colours colours: not the scene"

# Other keys and mouse movement change nothing; Escape ends the run.
press "$saver" space a
xdotool mousemove 100 100 mousemove 300 300
sleep 1
program_running || fail "a key other than Escape or the mouse ended the saver"
press "$saver" Escape
expect_exit 1 30

# The music was playing: the sound card's file holds more than silence.
[ -s "$E2E_TMP/audio.raw" ] || fail "nothing was played"
peak=$(od -An -v -t d2 -w2 "$E2E_TMP/audio.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > p) p = v } END { print p + 0 }')
log "played $(stat -c %s "$E2E_TMP/audio.raw") bytes, peak $peak"
[ "$peak" -ge 1000 ] || fail "the music is silent (peak $peak)"
wine_end
log PASS
