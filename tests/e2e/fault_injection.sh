#!/usr/bin/env bash
# Things go missing or wrong on a user's machine; the saver must say what went wrong where it
# has a message for it, fall back quietly everywhere else, never crash, and never lose
# config.cfg. Each case runs the real program on a private copy of the installation.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/dialog_lib.sh"
FROSTMOTE=${1:-}
e2e_init fault_injection
use_shared_display
built="$FROSTMOTE"
data_source="$(dirname "$built")/../share/frostmote"
[ -d "$data_source/scene/data" ] || fail "no data folder beside the program"

# fresh_tree: a copy of the program, its data and a key file pointing at that data.
fresh_tree() {
  tree="$E2E_TMP/tree"
  rm -rf "$tree"
  mkdir -p "$tree/bin" "$tree/etc/frostmote"
  cp "$built" "$tree/bin/frostmote"
  cp -r "$data_source" "$tree/data"
  printf '[HKEY_LOCAL_MACHINE\\software\\Torvane\\ZADevor]\npath=%s\n' "$tree/data" \
    >"$tree/etc/frostmote/install.reg"
  FROSTMOTE="$tree/bin/frostmote"
}

# runs_quietly WHAT: /s draws frames for a second with no message box and ends with 1 on Escape.
runs_quietly() {
  local what=$1 box window
  start_program /s
  box=$(wait_for_window "Pendrel") || fail "no mode question ($what)"
  press "$box" Return
  window=$(wait_for_window "ZIRavar") || fail "no saver window ($what)"
  sleep 1
  program_running || fail "the program ended ($what)"
  for caption in "Fatal Error" "Fatal error" "FMOD Error" "ERROR"; do
    find_window "$caption" >/dev/null && fail "a \"$caption\" box appeared ($what)"
  done
  press "$window" Escape
  expect_exit 1
}

# tells CAPTION WHAT: the run ends after a message box with that caption, exit code 0.
tells() {
  local caption=$1 what=$2 box
  start_program /s
  box=$(wait_for_window "Pendrel") || fail "no mode question ($what)"
  press "$box" Return
  box=$(wait_for_window "$caption") || fail "no \"$caption\" box ($what)"
  press "$box" Return
  expect_exit 0
}

# 1. Every data file missing in turn: only the music has a message of its own.
fresh_tree
mapfile -t files < <(cd "$data_source" && find . -type f | sed 's|^\./||' | sort)
[ "${#files[@]}" -ge 25 ] || fail "only ${#files[@]} data files found"
for file in "${files[@]}"; do
  fresh_tree
  rm "$tree/data/$file"
  if [ "$file" = scene/data/endcreds.mp3 ]; then
    tells "Fatal Error" "without $file"
  else
    runs_quietly "without $file"
  fi
done
log "each of ${#files[@]} data files missing in turn: handled"

# 2. The font: read-only is fine; one that cannot be read (a folder in its place, which even
# root cannot read as a file) leaves the counter without glyphs, quietly.
fresh_tree
chmod 0444 "$tree/data/font.tga"
runs_quietly "read-only font"
rm "$tree/data/font.tga"
mkdir "$tree/data/font.tga"
runs_quietly "unreadable font"

# 3. Corrupt files: truncated and overwritten JPEGs, a truncated and a garbage MP3.
fresh_tree
head -c 700 "$data_source/scene/data/grave_up.jpg" >"$tree/data/scene/data/grave_up.jpg"
head -c 4000 /dev/urandom >"$tree/data/scene/data/ground.jpg"
printf '\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01' >"$tree/data/scene/data/io.jpg"
runs_quietly "corrupt JPEGs"
head -c 100000 "$data_source/scene/data/endcreds.mp3" >"$tree/data/scene/data/endcreds.mp3"
runs_quietly "truncated MP3 (it loops what there is)"
head -c 100000 /dev/urandom >"$tree/data/scene/data/endcreds.mp3"
tells "Fatal Error" "garbage MP3"

# 4. No sound device: the library's own words, and config.cfg untouched.
fresh_tree
printf '\x00\x01\x01\x00\x00\x00%s' "$tree/data/scene/data/endcreds.mp3" >"$(config_file)"
before=$(hex_of "$(config_file)")
SDL_AUDIODRIVER=no-such-driver tells "FMOD Error" "no sound device"
[ "$(hex_of "$(config_file)")" = "$before" ] || fail "config.cfg changed after the sound failure"

# 5. No CD drive (or no disc): the CD source runs silently.
printf '\x00\x02\x01\x00\x00\x00' >"$(config_file)"
runs_quietly "CD source without a drive"
[ "$(hex_of "$(config_file)")" = "$(printf '\x00\x02\x01\x00\x00\x00' | od -An -v -tx1 | tr -d ' \n')" ] ||
  fail "config.cfg changed after the CD run"
rm -f "$(config_file)"
log "PASS"
