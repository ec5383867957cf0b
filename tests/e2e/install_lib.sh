# Helpers for the scripts that install the program (under a prefix, from the Debian package, for
# xscreensaver) and run the installed copy. Sourced after lib.sh; $FROSTMOTE names the copy.

# expect_saver_finds_data DATA_DIR: /s on the shared display finds its key and the data folder
# it names. The program changes into that folder before it loads anything; the window then
# shows the sky texture (blue at the top once the fade-in is over), which it cannot show when
# the textures are missing. Escape ends it with code 1.
expect_saver_finds_data() {
  local data=$1 box cwd window geometry strip shot colour="" red="" green="" blue=""
  start_program /s
  box=$(wait_for_window "Pendrel") ||
    fail "no display-mode question: the installed program stopped before it ran the scene"
  cwd=$(readlink "/proc/$PROGRAM_PID/cwd")
  [ "$cwd" = "$data" ] || fail "the program works in '$cwd', not in its data folder '$data'"
  press "$box" Return
  window=$(wait_for_window "ZIRavar") || fail "no saver window after answering Yes"
  geometry=$(window_geometry "$window")
  strip="${geometry%%x*}x40+${geometry#*+}"
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    shot=$(screenshot "saver") || fail "no screenshot"
    # Mean colour of the window's top 40 rows, as "R G B" from 0 to 255.
    colour=$(convert "$shot" -crop "$strip" +repage -scale '1x1!' \
      -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null)
    read -r red green blue <<<"$colour"
    [ "${blue:-0}" -ge 150 ] && [ "$blue" -ge $((red + 60)) ] && break
    program_running || fail "the program ended while its window was watched"
    colour=""
    sleep 0.3
  done
  [ -n "$colour" ] || fail "no sky at the top of the saver window (last mean colour: $red $green $blue)"
  log "sky drawn from $data (mean colour $colour)"
  press "$window" Escape
  expect_exit 1
}

# expect_missing_key: without the key file the program says so in a fatal-error box, goes no further, and ends with code 0 once that is acknowledged.
expect_missing_key() {
  local box
  start_program /s
  box=$(wait_for_window "Fatal error") || fail "no \"Fatal error\" box without the key file"
  expect_message_box "$box"
  find_window "Pendrel" >/dev/null && fail "the program went on to the display mode without its key"
  press "$box" Return
  expect_exit 0
}

# The copies a screen-saver daemon starts. $program is the installed program's real path and
# $data_dir its installed data folder.
# hack_pids: the pids of running copies of the installed program, started by anyone.
hack_pids() {
  local exe
  for exe in /proc/[0-9]*/exe; do
    [ "$(readlink "$exe" 2>/dev/null)" = "$program" ] && { exe=${exe#/proc/}; echo "${exe%/exe}"; }
  done
}
# wait_for_hack: prints the pid of the one running copy once there is one.
wait_for_hack() {
  local pids deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    pids=$(hack_pids)
    [ -n "$pids" ] && { echo "$pids" | head -n1; return 0; }
    sleep 0.1
  done
  return 1
}
wait_for_no_hack() {
  local deadline=$(($(now_ms) + 60000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    [ -z "$(hack_pids)" ] && return 0
    sleep 0.1
  done
  return 1
}
# expect_scene PID GEOMETRY WHAT: the hack draws the scene in that part of the screen (the top
# 40 rows turn sky blue, which needs the installed textures), works in the installed data
# folder, and shows none of its own windows: the configuration dialog, the display-mode
# question, a window of its own, an error.
expect_scene() {
  local pid=$1 geometry=$2 what=$3 shot colour caption
  local strip="${geometry%%x*}x40+${geometry#*+}"
  local deadline=$(($(now_ms) + 60000))
  while :; do
    for caption in "Frostmote Configuration" "Pendrel" "ZIRavar" "Fatal error" "ERROR"; do
      find_window "$caption" >/dev/null && fail "$what: the hack opened \"$caption\""
    done
    [ -d "/proc/$pid" ] || fail "$what: the hack ended"
    shot=$(screenshot "$what") || fail "no screenshot"
    colour=$(sky_in "$shot" "$strip") && break
    [ "$(now_ms)" -lt "$deadline" ] ||
      fail "$what: no sky at the top of $geometry (last mean colour: $colour)"
    sleep 0.3
  done
  log "$what: sky drawn (mean colour $colour)"
  [ "$(readlink "/proc/$pid/cwd")" = "$data_dir" ] ||
    fail "$what: the hack works in '$(readlink "/proc/$pid/cwd")', not in the installed data folder"
}

# start_xscreensaver: installs this build under $E2E_TMP/prefix (E2E_BUILD_DIR and E2E_CMAKE
# name the build tree and cmake) and starts the xscreensaver daemon with a ~/.xscreensaver that
# runs only the installed hack. xscreensaver launches no hacks as root, so a root run hands it
# to the user "nobody". Sets $prefix, $program, $data_dir, $daemon, and $saver_env, which runs a
# command as the saver's user with only what the daemon, its settings and the hack need.
start_xscreensaver() {
  local home="$E2E_TMP/home" as_user=()
  chmod 755 "$E2E_TMP"  # readable by the saver's user
  prefix="$E2E_TMP/prefix"
  "${E2E_CMAKE:-cmake}" --install "${E2E_BUILD_DIR:?E2E_BUILD_DIR names the build tree}" \
    --prefix "$prefix" >"$E2E_TMP/install.log" 2>&1 ||
    { cat "$E2E_TMP/install.log" >&2; fail "cmake --install failed"; }
  program=$(readlink -f "$prefix/bin/frostmote")
  data_dir="$prefix/share/frostmote"
  mkdir -p "$home/.config"
  printf '%s\n' "mode: one" "selected: 0" "timeout: 0:30:00" "cycle: 0:00:00" "lock: False" \
    "fade: False" "unfade: False" "splash: False" "dpmsEnabled: False" \
    "programs: $prefix/libexec/xscreensaver/frostmote -root \\n\\" "" >"$home/.xscreensaver"
  if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown -R nobody:nogroup "$home"
  fi
  saver_env=("${as_user[@]}" env -i HOME="$home" XDG_CONFIG_HOME="$home/.config"
             DISPLAY="$DISPLAY" PATH=/usr/bin:/bin SDL_AUDIODRIVER=dummy)
  setsid "${saver_env[@]}" xscreensaver -no-splash -verbose >"$E2E_TMP/xscreensaver.log" 2>&1 &
  daemon=$!
  track_pid "$daemon"
  for _ in $(seq 600); do
    "${saver_env[@]}" xscreensaver-command -time >/dev/null 2>&1 && return 0
    kill -0 "$daemon" 2>/dev/null || break
    sleep 0.1
  done
  cat "$E2E_TMP/xscreensaver.log" >&2
  fail "xscreensaver did not start"
}
