#!/usr/bin/env bash
# With no sound device the saver says so once the first frame is up, after taking its window
# away, and exits 0. On Xvfb, whose one display mode has no refresh rate, the saver first asks
# whether to run in a window; a person answers Yes.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_no_sound_device
set_install_value "$FROST_DATA_DIR"
# ALSA's default device is one that cannot be opened, and PulseAudio has no server here.
printf 'pcm.!default { type hw; card 99 }\n' >"$HOME/.asoundrc"

start_scr /s
expect_message Pendrel "The Requested Fullscreen Mode Is Not Supported By\\nYour Video Card. Use Windowed Mode Instead?"
press "$(find_window Pendrel)" Return
expect_message "FMOD Error" "Error initializing output device."
find_window ZIRavar >/dev/null && fail "the saver window is still there under the message"
press "$(find_window "FMOD Error")" Return
expect_exit 0 20
wine_end
log PASS
