#!/usr/bin/env bash
# "/c" shows the configuration dialog from its resource template; OK writes config.cfg in the
# installation folder, byte for byte what the Linux program writes for the same choices.
. "$(dirname "$0")/wine_lib.sh"
wine_init wine_configure
[ -x "${FROSTMOTE_LINUX:-}" ] || fail "FROSTMOTE_LINUX does not name the Linux program"

folder="$E2E_TMP/install"
mkdir -p "$folder"
set_install_value "$folder"
# Stored choices that differ from every default: CD, no dancing, FPS shown, no mode chosen,
# and a path of someone's own.
printf '\377\002\000\001\000\000C:\\Music\\winter.mp3' >"$folder/config.cfg"
cp "$folder/config.cfg" "$E2E_TMP/stored.cfg"
# An old date on each stored copy shows whether OK wrote the file again.
touch -d 2001-01-01 "$folder/config.cfg"
rewritten() { [ "$(stat -c %Y "$1")" -gt "$(date -d 2001-01-02 +%s)" ]; }

start_scr /c
dialog=$(wait_for_window "Frostmote Configuration" 30) || fail "no configuration dialog"
sleep 1
screenshot configuration >/dev/null
texts=$(control_texts "Frostmote Configuration")
printf "%s\n" "$texts" >"$E2E_ARTIFACTS/controls.txt"
for want in "1000	Button	OK" "1010	Button	Browse..." "1024	Button	Dance with Music (MP3 only)" \
            "1009	Edit	C:\\Music\\winter.mp3"; do
  printf '%s\n' "$texts" | grep -qxF "$want" || fail "the dialog lacks \"$want\""
done
click_control "Frostmote Configuration" 1000
expect_exit 0 20
[ -f "$folder/config.cfg" ] || fail "no config.cfg in the installation folder"
rewritten "$folder/config.cfg" || fail "OK did not write config.cfg"
cp "$folder/config.cfg" "$E2E_ARTIFACTS/windows.cfg"

# The Linux program, same stored file, same OK.
export XDG_CONFIG_HOME="$E2E_TMP/linux-config"
mkdir -p "$XDG_CONFIG_HOME/frostmote"
cp "$E2E_TMP/stored.cfg" "$XDG_CONFIG_HOME/frostmote/config.cfg"
touch -d 2001-01-01 "$XDG_CONFIG_HOME/frostmote/config.cfg"
FROSTMOTE=$FROSTMOTE_LINUX start_program /c
linux_dialog=$(wait_for_window "Frostmote Configuration" 30) || fail "no Linux dialog"
press "$linux_dialog" Return
expect_exit 0 20
rewritten "$XDG_CONFIG_HOME/frostmote/config.cfg" || fail "the Linux OK did not write config.cfg"
cp "$XDG_CONFIG_HOME/frostmote/config.cfg" "$E2E_ARTIFACTS/linux.cfg"

log "Windows: $(od -An -c "$E2E_ARTIFACTS/windows.cfg" | tr -s ' ' | head -c 200)"
cmp "$E2E_ARTIFACTS/windows.cfg" "$E2E_ARTIFACTS/linux.cfg" ||
  fail "config.cfg differs between Windows and Linux"
cmp "$E2E_ARTIFACTS/windows.cfg" "$E2E_TMP/stored.cfg" || fail "OK changed the stored choices"
wine_end
log PASS
