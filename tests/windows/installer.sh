#!/usr/bin/env bash
# The setup program, run silently in a fresh Wine prefix: the program, its data and the copy in
# the system folder are the build's own bytes, the registry value names the folder in the
# 64-bit view the program reads, and Add/Remove Programs lists the uninstaller. The uninstaller,
# run the way Add/Remove Programs runs it, leaves no file, folder, value or key behind, yet
# keeps a file that a person put in the folder.
#
# Needs FROSTMOTE (frostmote.scr), FROST_INSTALLER and FROST_DATA_DIR (the data the installer
# packed). No X server: a silent setup shows nothing.
. "$(dirname "$0")/../e2e/lib.sh"
set -o pipefail
e2e_init wine_installer
[ -f "${FROST_INSTALLER:-}" ] || fail "FROST_INSTALLER does not name the setup program"
[ -d "${FROST_DATA_DIR:-}" ] || fail "FROST_DATA_DIR does not name the data folder"

wine_run="$(cd "$(dirname "$0")/../.." && pwd)/tools/windows/wine-run.sh"
export FROST_WINEPREFIX="$E2E_TMP/prefix"
# A session that ends a second after its last program: waiting for it is how the script knows
# that the uninstaller, which hands over to a copy of itself and returns, has finished.
export FROST_WINESERVER_LINGER=1
unset DISPLAY
wine() { timeout 120 bash "$wine_run" "$@" 2>>"$E2E_TMP/program.log" | tr -d '\r'; }
wine_settle() { timeout 120 bash "$wine_run" --wait 2>/dev/null; }
trap 'wine_settle; e2e_cleanup' EXIT

# reg_value KEY NAME: the value's data, or nothing when the value or its key is missing. A
# query that meets the lingering Wine session as it winds down can come back empty, so an
# empty answer is asked for twice more.
reg_value() {
  local data="" _
  for _ in 1 2 3; do
    data=$(wine reg query "$1" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p")
    [ -n "$data" ] && break
  done
  printf '%s\n' "$data"
}
reg_key_exists() { wine reg query "$1" >/dev/null; }
unix_path() { wine winepath -u "$1"; }

key='HKLM\software\Torvane\ZADevor'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Frostmote'

# The files an installation holds, relative to its folder, one a line, sorted.
expected_files() {
  {
    (cd "$FROST_DATA_DIR" && find . -type f | sed 's|^\./||')
    printf '%s\n' frostmote.scr uninstall.exe
  } | LC_ALL=C sort
}
files_in() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }

# check_installed FOLDER: FOLDER (as Windows names it) holds the program and the data, byte for
# byte, and nothing else; the registry value names it and the uninstaller is listed.
check_installed() {
  local folder=$1 value dir sysdir
  value=$(reg_value "$key" path)
  [ "$value" = "$folder" ] || fail "the registry value path is \"$value\", not \"$folder\""
  if wine reg query "$key" /v path /reg:32 | grep REG_SZ >/dev/null; then
    fail "the value is in the 32-bit view of the registry too"
  fi
  dir=$(unix_path "$folder")
  [ -d "$dir" ] || fail "no folder $folder"
  diff <(expected_files) <(files_in "$dir") >"$E2E_ARTIFACTS/files.diff" ||
    fail "$folder does not hold what was expected: $(tr '\n' ' ' <"$E2E_ARTIFACTS/files.diff")"
  (cd "$FROST_DATA_DIR" && find . -type f) | while read -r file; do
    cmp -s "$FROST_DATA_DIR/$file" "$dir/$file" || fail "$file differs from the build's"
  done || exit 1
  cmp -s "$FROSTMOTE" "$dir/frostmote.scr" || fail "frostmote.scr differs from the build's"
  # The paths the program makes from the value: the default music and the scene's data.
  [ -f "$(unix_path "$value\\scene\\data\\endcreds.mp3")" ] ||
    fail "$value\\scene\\data\\endcreds.mp3 is not there"
  sysdir=$(unix_path 'C:\windows\system32')
  cmp -s "$FROSTMOTE" "$sysdir/frostmote.scr" ||
    fail "the system folder has no frostmote.scr, or another one"
  value=$(reg_value "$uninstall_key" UninstallString)
  [ "$value" = "\"$folder\\uninstall.exe\"" ] || fail "Add/Remove Programs lists \"$value\""
  value=$(reg_value "$uninstall_key" DisplayName)
  [ "$value" = Frostmote ] || fail "Add/Remove Programs names it \"$value\""
  log "installed into $folder: $(files_in "$dir" | wc -l) files, value and Add/Remove entry"
}

# uninstall: runs the quiet uninstall command Add/Remove Programs has, and waits for it.
uninstall() {
  local command program
  command=$(reg_value "$uninstall_key" QuietUninstallString)
  program=$(printf '%s' "$command" | sed -n 's/^"\([^"]*\)" \/S$/\1/p')
  [ -n "$program" ] || fail "no quiet uninstall command (\"$command\")"
  wine "$program" /S || fail "the uninstaller failed"
  wine_settle
}

# check_uninstalled: no value, no key, no Add/Remove entry, no copy in the system folder.
check_uninstalled() {
  reg_key_exists "$key" && fail "the key $key is still there"
  reg_key_exists 'HKLM\software\Torvane' && fail "the empty key Torvane is still there"
  reg_key_exists "$uninstall_key" && fail "Add/Remove Programs still lists Frostmote"
  [ -e "$(unix_path 'C:\windows\system32')/frostmote.scr" ] &&
    fail "frostmote.scr is still in the system folder"
  return 0
}

log "installing silently into the default folder"
wine "$FROST_INSTALLER" /S || fail "the installer failed"
check_installed 'C:\Program Files\Frostmote'
dir=$(unix_path 'C:\Program Files\Frostmote')
# The saver writes its settings beside its data.
printf '\0\1\1\0\0\0' >"$dir/config.cfg"
uninstall
[ -e "$dir" ] && fail "the folder is still there: $(files_in "$dir" | tr '\n' ' ')"
check_uninstalled
log "uninstalled: no folder, value, key or Add/Remove entry left"

log "installing silently into C:\\Frost, where a person then keeps a music file of their own"
wine "$FROST_INSTALLER" /S '/D=C:\Frost' || fail "the installer failed"
check_installed 'C:\Frost'
dir=$(unix_path 'C:\Frost')
printf 'not ours' >"$dir/scene/data/mine.mp3"
printf '\0\1\1\0\0\0' >"$dir/config.cfg"
uninstall
[ "$(files_in "$dir")" = scene/data/mine.mp3 ] ||
  fail "after uninstalling, C:\\Frost holds: $(files_in "$dir" | tr '\n' ' ')"
[ "$(cat "$dir/scene/data/mine.mp3")" = "not ours" ] || fail "the person's file was changed"
check_uninstalled
log "uninstalled: only the person's file and its folders stay"
log PASS
