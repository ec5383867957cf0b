# Helpers for the dialog scripts, on top of lib.sh: where a control of a dialog template is on
# screen, clicking it, and the bytes of config.cfg.
#
# A person clicks a control where they see it. The scripts find it from the same table the
# program lays the dialog out with (resources/dialogs/), scaled by the dialog's size on screen:
# the dialog's inside is exactly its template size in dialog units.

E2E_RESOURCES="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../resources" && pwd)"
CONFIG_TABLE="$E2E_RESOURCES/dialogs/configuration.dialog"
ABOUT_TABLE="$E2E_RESOURCES/dialogs/about.dialog"
CONFIG_CAPTION="Frostmote Configuration"

config_file() { echo "$XDG_CONFIG_HOME/frostmote/config.cfg"; }

# control_centre WINDOW TABLE ID: "X Y" of the middle of control ID, in root coordinates.
control_centre() {
  local window=$1 table=$2 id=$3 geometry
  geometry=$(window_geometry "$window") || return 1
  awk -v id="$id" -v geometry="$geometry" '
    BEGIN { split(geometry, g, /[x+]/) }
    $1 == "dialog" { units_w = $5; units_h = $6 }
    $2 == id && $1 != "dialog" && $1 != "font" {
      printf "%d %d\n", g[3] + ($3 + $5 / 2) * g[1] / units_w, g[4] + ($4 + $6 / 2) * g[2] / units_h
      found = 1; exit
    }
    END { if (!found) exit 1 }' "$table"
}

# click_control WINDOW TABLE ID: one left click in the middle of the control.
click_control() {
  local centre
  centre=$(control_centre "$1" "$2" "$3") || fail "no control $3 in $(basename "$2")"
  # One connection, so the server moves the pointer before it presses the button. (--sync
  # would wait forever when the pointer is already there.)
  # shellcheck disable=SC2086
  timeout "$E2E_PATIENCE" xdotool mousemove $centre click 1 || fail "could not click control $3"
  sleep 0.2
}

# window_screenshot WINDOW NAME: saves just that window as NAME.png among the artifacts.
window_screenshot() {
  local geometry shot
  geometry=$(window_geometry "$1") || return 1
  shot=$(screenshot "screen") || return 1
  convert "$shot" -crop "$geometry" +repage "$E2E_ARTIFACTS/$2.png" && rm -f "$shot"
}

# hex_of FILE: the file's bytes as lower-case hex, no spaces.
hex_of() { od -An -v -tx1 "$1" | tr -d ' \n'; }
hex_of_text() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }

# The path the dialog starts with: the data folder from the key file and the default music.
default_music_path() {
  local key
  key="$(dirname "$(dirname "$(readlink -f "$FROSTMOTE")")")/etc/frostmote/install.reg"
  printf '%s/scene/data/endcreds.mp3' "$(sed -n 's/^path=//p' "$key")"
}

# expect_config HEX_FLAGS PATH: config.cfg holds these six flag bytes followed by PATH.
expect_config() {
  local file want got
  file=$(config_file)
  [ -f "$file" ] || fail "no config.cfg was written"
  want="$1$(hex_of_text "$2")"
  got=$(hex_of "$file")
  [ "$got" = "$want" ] || fail "config.cfg holds ${got:0:12} + \"$(tail -c +7 "$file")\", expected ${want:0:12} + \"$2\""
  [ ! -e "$file.new" ] || fail "a temporary file was left beside config.cfg"
  log "config.cfg: ${got:0:12} + \"$2\""
}

# open_config_dialog ARG...: starts the program and waits for the dialog; its id in $DIALOG.
open_config_dialog() {
  start_program "$@"
  DIALOG=$(wait_for_window "$CONFIG_CAPTION") || fail "no configuration dialog"
  # Let GTK finish its first drawing before anything is clicked.
  sleep 0.3
}

# still_open WINDOW WHY: the window is still on screen a while after WHY.
still_open() {
  sleep 0.5
  program_running || fail "the program ended after $2"
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || fail "the window closed after $2"
}
