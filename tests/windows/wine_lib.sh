# Shared helpers for the end-to-end scripts of the Windows build: each script gets its own X
# server, its own Wine prefix (a fresh "machine" with an empty registry) and a sound card that
# writes what it plays to a file, then drives frostmote.scr the way a person would.
#
# Needs: FROSTMOTE (frostmote.scr), WIN_PROBE (win_probe.exe), and for some scripts
# PREVIEW_HOST (preview_host.exe) and FROST_INSTALLER (the setup program).

# The X, screenshot and exit-code helpers of the Linux scripts.
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/private_xvfb.sh"

WINE=""

# wine_init NAME [SCREEN]: the private folders of e2e_init, an X server and a new Wine prefix.
# The server is Xvfb with one screen of SCREEN (default 800x600x24), or for SCREEN "xorg" the
# Xorg dummy server of tests/e2e/xorg_lib.sh, whose display modes have refresh rates.
wine_init() {
  e2e_init "$1"
  if command -v wine64 >/dev/null 2>&1; then
    WINE=$(command -v wine64)
  elif [ -x /usr/lib/wine/wine64 ]; then
    WINE=/usr/lib/wine/wine64
  elif command -v wine >/dev/null 2>&1; then
    WINE=$(command -v wine)  # Debian's launcher, which picks the 64-bit loader for 64-bit programs
  else
    fail "wine64 is not installed (Debian packages wine and wine64)"
  fi
  if [ "${2:-}" = xorg ]; then
    . "$(dirname "${BASH_SOURCE[0]}")/../e2e/xorg_lib.sh"
    start_dummy_xorg
  else
    start_private_xvfb "${2:-800x600x24}" "$E2E_TMP" || fail "Xvfb did not start"
    track_pid "$xserver"
  fi
  export WINEPREFIX="$E2E_TMP/prefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # Wine's sound goes through ALSA's default device; here that is a file, so a script can check
  # what was played and no sound card is needed.
  export HOME="$E2E_TMP/home"
  mkdir -p "$HOME"
  cat >"$HOME/.asoundrc" <<ALSA
pcm.!default { type plug; slave.pcm "frostmote_file" }
pcm.frostmote_file { type file; slave.pcm "null"; file "$E2E_TMP/audio.raw"; format "raw" }
ALSA
  log "making the Wine prefix"
  timeout 120 "$WINE" wineboot --init >/dev/null 2>&1 || fail "wineboot failed"
  [ -x "$FROSTMOTE" ] || fail "FROSTMOTE does not name frostmote.scr"
  [ -f "${WIN_PROBE:-}" ] || fail "WIN_PROBE does not name win_probe.exe"
}

# wine_end: stops the prefix's server, so that nothing of it outlives the script.
wine_end() {
  local server
  server="$(dirname "$WINE")/wineserver"
  [ -x "$server" ] || server=wineserver
  WINEPREFIX="$E2E_TMP/prefix" "$server" -k 2>/dev/null || true
}

# start_scr ARG...: runs frostmote.scr in the background under Wine; pid in $PROGRAM_PID.
start_scr() {
  setsid "$WINE" "$FROSTMOTE" "$@" >"$E2E_TMP/program.log" 2>&1 &
  PROGRAM_PID=$!
  track_pid "$PROGRAM_PID"
  log "started frostmote.scr $* (pid $PROGRAM_PID)"
}

# start_panel WIDTH HEIGHT SECONDS: the display panel's stand-in, a window of that client size
# that destroys itself after SECONDS; its handle, in decimal, is in $PANEL.
start_panel() {
  "$WINE" "$PREVIEW_HOST" "$1" "$2" "$3" >"$E2E_TMP/panel" 2>/dev/null &
  track_pid $!
  for _ in $(seq 200); do [ -s "$E2E_TMP/panel" ] && break; sleep 0.05; done
  PANEL=$(tr -d '\r' <"$E2E_TMP/panel")
  [ -n "$PANEL" ] || fail "the preview host did not start"
  log "the panel's window is $PANEL"
}

# set_install_value FOLDER: writes the registry value the installer writes, naming FOLDER (a
# path on this machine) as Windows sees it; delete_install_key removes the key.
set_install_value() {
  local folder
  folder=$("$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r')
  [ -n "$folder" ] || fail "winepath cannot name $1"
  "$WINE" reg add 'HKLM\software\Torvane\ZADevor' /v path /t REG_SZ /d "$folder" /f >/dev/null 2>&1 ||
    fail "could not write the registry value"
}
delete_install_key() {
  "$WINE" reg delete 'HKLM\software\Torvane\ZADevor' /f >/dev/null 2>&1 || true
}

# install_value: the registry value as the program will read it, or nothing.
install_value() {
  "$WINE" reg query 'HKLM\software\Torvane\ZADevor' /v path 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *path *REG_SZ *//p'
}

# control_texts CAPTION: "id<TAB>class<TAB>text" for each control of the window so named.
control_texts() {
  "$WINE" "$WIN_PROBE" texts "$1" 2>/dev/null | tr -d '\r'
}

# expect_message CAPTION TEXT: a message box with that caption shows exactly TEXT (line breaks
# written as \n).
expect_message() {
  local caption=$1 text=$2 texts
  wait_for_window "$caption" 30 >/dev/null || fail "no \"$caption\" box"
  texts=$(control_texts "$caption")
  # Through the environment: awk -v would turn the written-out \n into a line break.
  printf '%s\n' "$texts" | WANT=$text awk -F'\t' '$3 == ENVIRON["WANT"] { found = 1 } END { exit !found }' ||
    fail "\"$caption\" shows: $(printf '%s' "$texts" | cut -f3 | tr '\n' '|'), not \"$text\""
  log "\"$caption\" says \"$text\""
}

# click_control CAPTION ID: a real pointer click in the middle of the control.
click_control() {
  local centre
  centre=$("$WINE" "$WIN_PROBE" centre "$1" "$2" 2>/dev/null | tr -d '\r') ||
    fail "no control $2 in \"$1\""
  xdotool mousemove --sync ${centre% *} ${centre#* } click 1 || fail "could not click control $2"
}

# mean_level FILE [GEOMETRY]: the mean brightness (0 to 255) of a picture or a piece of it.
mean_level() {
  local crop=()
  [ -n "${2:-}" ] && crop=(-crop "$2" +repage)
  convert "$1" "${crop[@]}" -colorspace Gray -format '%[fx:int(255*mean+0.5)]' info:- 2>/dev/null
}
