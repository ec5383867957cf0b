# Shared helpers for the end-to-end scripts: drive the real program on a real X server the way a
# person would (XTEST key presses, pointer moves) and look at what it puts on the screen.
#
# A script sources this file and then calls e2e_init; the program's path is in $FROSTMOTE.
# Everything a script starts is registered with track_pid and killed with SIGKILL on exit. A
# program that dies by a signal leaves the signal and, from its core, the backtrace of every
# thread in the log.

set -u

E2E_TRACKED_PIDS=()
E2E_TMP=""
E2E_ARTIFACTS=""
E2E_NAME=""
EXIT_CODE=""

log() { printf '[%s %s] %s\n' "$E2E_NAME" "$(date +%T.%N | cut -c1-12)" "$*" >&2; }

# Stops the script with a message, a screenshot and the window tree, so that a failure on a
# build machine can be understood afterwards.
fail() {
  log "FAIL: $*"
  if [ -n "${DISPLAY:-}" ]; then
    screenshot "failure" >/dev/null 2>&1 && log "screenshot: $E2E_ARTIFACTS/failure.png"
    log "windows on $DISPLAY:"
    xwininfo -root -tree 2>/dev/null | grep -E '^ +0x' >&2
  fi
  if [ -n "$E2E_TMP" ] && [ -s "$E2E_TMP/program.log" ]; then
    log "program output:"
    cat "$E2E_TMP/program.log" >&2
  fi
  if [ -n "${PROGRAM_PID:-}" ] && ! program_running; then
    wait "$PROGRAM_PID" 2>/dev/null
    explain_death "$?"
  fi
  exit 1
}

# explain_death CODE: for a program that ended with CODE above 128, the signal, and the
# backtrace of every thread from the core it left in its data folder (or in the script's).
explain_death() {
  local code=$1 core signal
  [ "$code" -gt 128 ] 2>/dev/null || return 0
  signal=$((code - 128))
  log "the program died by signal $signal (SIG$(kill -l "$signal" 2>/dev/null))"
  core=$(find "$(dirname "$(readlink -f "$FROSTMOTE")")/../share" "$E2E_TMP" -maxdepth 4 \
    -type f -name 'core*' -newer "$E2E_TMP/started" 2>/dev/null | head -1)
  if [ -z "$core" ]; then
    log "no core file to read (core_pattern $(cat /proc/sys/kernel/core_pattern 2>/dev/null))"
    return 0
  fi
  log "backtraces from $core:"
  gdb -q -batch -ex 'thread apply all bt 24' "$FROSTMOTE" "$core" 2>&1 | grep -E '^(Thread|#)' |
    cut -c1-200 | tee "$E2E_ARTIFACTS/backtraces.txt" >&2
  rm -f "$core"
}

# track_pid PID: kill PID, and its process group where it leads one, when the script ends.
track_pid() { E2E_TRACKED_PIDS+=("$1"); }

e2e_cleanup() {
  local pid
  for pid in "${E2E_TRACKED_PIDS[@]}"; do
    kill -9 -- "-$pid" 2>/dev/null
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  done
  [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}

# e2e_init NAME: a private temporary folder, a private configuration folder (the user's own
# config.cfg is never read or written) and a folder for screenshots.
e2e_init() {
  E2E_NAME=$1
  E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/frostmote-e2e.XXXXXX") || exit 1
  trap e2e_cleanup EXIT
  trap 'exit 1' INT TERM
  export XDG_CONFIG_HOME="$E2E_TMP/config"
  mkdir -p "$XDG_CONFIG_HOME/frostmote"
  E2E_ARTIFACTS="${E2E_ARTIFACT_ROOT:-$E2E_TMP}/$E2E_NAME"
  rm -rf "$E2E_ARTIFACTS"
  mkdir -p "$E2E_ARTIFACTS"
  [ -n "${FROSTMOTE:-}" ] && [ -x "$FROSTMOTE" ] || fail "FROSTMOTE does not name the program"
}

# use_shared_display: the X server the CTest fixture started for all the e2e scripts.
use_shared_display() {
  local file=${E2E_DISPLAY_FILE:-}
  [ -n "$file" ] && [ -s "$file" ] || fail "no shared X display (is the fixture running?)"
  DISPLAY=$(cat "$file")
  export DISPLAY
  xdpyinfo >/dev/null 2>&1 || fail "X display $DISPLAY does not answer"
}

# now_ms: a monotonic-enough clock for the polling loops.
now_ms() { date +%s%3N; }

# start_program ARG...: runs the program in the background; its pid is in $PROGRAM_PID.
start_program() {
  # A process group of its own: SDL shows each message box from a forked child, which must go
  # down with the program when the cleanup kills it.
  touch "$E2E_TMP/started"
  (ulimit -c unlimited 2>/dev/null; exec setsid "$FROSTMOTE" "$@") >"$E2E_TMP/program.log" 2>&1 &
  PROGRAM_PID=$!
  track_pid "$PROGRAM_PID"
  log "started $FROSTMOTE $* (pid $PROGRAM_PID)"
  # Later steps stop, signal and reap this pid, so it must be the program itself once setsid
  # has replaced itself with it.
  local exe="" want
  want=$(readlink -f "$FROSTMOTE")
  for _ in $(seq 6000); do
    exe=$(readlink "/proc/$PROGRAM_PID/exe" 2>/dev/null)
    [ "$exe" = "$want" ] && return 0
    program_running || return 0  # ended already; its exit code tells the rest
    sleep 0.01
  done
  fail "pid $PROGRAM_PID is $exe, not the program"
}

# find_window CAPTION: the id of a mapped top-level window whose name is exactly CAPTION, or
# nothing. xwininfo quotes the names; xdotool's name search cannot read the UTF-8 names SDL
# gives its message boxes.
find_window() {
  local caption=$1 id
  # Exact names only: "ERROR" must not match a window called "SHUTDOWN ERROR".
  for id in $(xwininfo -root -tree 2>/dev/null | awk -v want="\"$caption\":" '
                $1 ~ /^0x/ { rest = substr($0, index($0, $1) + length($1) + 1)
                             if (index(rest, want) == 1) print $1 }'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

# The waits below end at the awaited event; only a failure waits the whole minute, which a busy
# machine may need to start a program or draw its first window.
E2E_PATIENCE=60

# wait_for_window CAPTION [TIMEOUT_S]: prints the window's id once it is on screen.
wait_for_window() {
  local caption=$1 timeout=${2:-$E2E_PATIENCE} id
  local deadline=$(($(now_ms) + timeout * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    if id=$(find_window "$caption"); then
      echo "$id"
      return 0
    fi
    if [ -n "${PROGRAM_PID:-}" ] && ! program_running; then
      log "the program ended while waiting for \"$caption\""
      return 1
    fi
    sleep 0.05
  done
  log "no window \"$caption\" after ${timeout}s"
  return 1
}

# wait_for_no_window CAPTION [TIMEOUT_S]: succeeds once no such window is on screen.
wait_for_no_window() {
  local caption=$1 timeout=${2:-$E2E_PATIENCE}
  local deadline=$(($(now_ms) + timeout * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    find_window "$caption" >/dev/null || return 0
    sleep 0.05
  done
  return 1
}

# press WINDOW KEY...: gives WINDOW the keyboard focus and types the keys through XTEST, so
# they arrive as real key presses and releases (SDL ignores synthetic key events).
press() {
  local window=$1
  shift
  timeout "$E2E_PATIENCE" xdotool windowfocus --sync "$window" || fail "could not focus window $window"
  timeout "$E2E_PATIENCE" xdotool key --delay 30 "$@" || fail "could not type $*"
}

# program_running: the program has not ended (a finished child stays a zombie until reaped).
program_running() {
  local stat
  stat=$(cat "/proc/$PROGRAM_PID/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

# wait_exit PID TIMEOUT_S: waits for the program to end and leaves its exit code in $EXIT_CODE
# (and prints it). Call it directly, not in $( ): only this shell can reap its child.
wait_exit() {
  local pid=$1 timeout=$2 stat
  local deadline=$(($(now_ms) + timeout * 1000))
  while [ "$(now_ms)" -lt "$deadline" ]; do
    stat=$(cat "/proc/$pid/stat" 2>/dev/null)
    stat=${stat##*) }
    if [ -z "$stat" ] || [ "${stat%% *}" = Z ]; then
      wait "$pid"
      EXIT_CODE=$?
      [ "$pid" = "${PROGRAM_PID:-}" ] && explain_death "$EXIT_CODE"
      echo "$EXIT_CODE"
      return 0
    fi
    sleep 0.05
  done
  EXIT_CODE=""
  return 1
}

# expect_exit CODE [TIMEOUT_S]: the program ends within the time with exactly that code.
expect_exit() {
  local want=$1 timeout=${2:-$E2E_PATIENCE}
  wait_exit "$PROGRAM_PID" "$timeout" >/dev/null || fail "the program is still running after ${timeout}s"
  [ "$EXIT_CODE" = "$want" ] || fail "exit code $EXIT_CODE, expected $want"
  log "exit code $EXIT_CODE as expected"
}

# screenshot NAME: saves the whole screen as NAME.png among the artifacts and prints the path.
screenshot() {
  local file="$E2E_ARTIFACTS/$1.png"
  import -window root "$file" 2>/dev/null || return 1
  echo "$file"
}

# sky_in FILE GEOMETRY: prints the mean colour "R G B" of that part of an image, and succeeds
# when it is the winter sky: blue, and well above red.
sky_in() {
  local colour red green blue
  colour=$(convert "$1" -crop "$2" +repage -scale '1x1!' \
    -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]' info: 2>/dev/null)
  echo "$colour"
  read -r red green blue <<<"$colour"
  [ "${blue:-0}" -ge 150 ] && [ "$blue" -ge $((red + 60)) ]
}

# region_colours FILE GEOMETRY: the distinct colours of that part of an image, one a line, as
# upper-case #RRGGBB.
region_colours() {
  convert "$1" -crop "$2" +repage -alpha off -depth 8 -format '%c' histogram:info:- 2>/dev/null |
    grep -o '#[0-9A-Fa-f]\{6\}' | tr 'a-f' 'A-F' | sort -u
}

# window_geometry WINDOW: "WIDTHxHEIGHT+X+Y" of the window's inside, in root coordinates.
window_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
    /^ +Width:/ { w = $NF } /^ +Height:/ { h = $NF }
    END { if (w != "") printf "%sx%s+%s+%s\n", w, h, x, y }'
}

# expect_message_box WINDOW [OWNER [DIALOG]]: the box is the desktop toolkit's (GTK gives its
# windows the program's class, capitalised; SDL's fallback box has no class) and a dialog; with
# OWNER, transient for that window. The saver's own boxes stay above every other window, ours in
# full screen included; those of a dialog (DIALOG given) stay with their dialog.
expect_message_box() {
  local box=$1 owner=${2:-} property
  property=$(xprop -id "$box" WM_CLASS 2>/dev/null)
  case $property in *'"frostmote", "Frostmote"'*) ;; *) fail "box $box is not a GTK dialog: $property" ;; esac
  xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
    fail "box $box is not a dialog window"
  if [ -z "${3:-}" ]; then
    xprop -id "$box" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "box $box is not kept above"
  fi
  [ -z "$owner" ] && return 0
  property=$(xprop -id "$box" WM_TRANSIENT_FOR)
  case $property in *"$(printf '0x%x' "$owner")") ;; *) fail "box $box is not owned by $owner: $property" ;; esac
}

# expect_answer_required WINDOW: a Yes/No box, as on Windows, has no close box (the Motif hints'
# functions lack MWM_FUNC_CLOSE, 0x20, beside MWM_FUNC_ALL, 1), and neither Escape nor the
# window manager's close request take it away.
expect_answer_required() {
  local box=$1 hints
  hints=$(xprop -id "$box" _MOTIF_WM_HINTS)
  case $hints in *" = 0x1, 0x21,"* | *" = 0x3, 0x21,"*) ;; *) fail "box $box may be closed: $hints" ;; esac
  press "$box" Escape
  sleep 0.5
  xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable' || fail "Escape closed box $box"
  "$E2E_X_CLIENT" close "$box" || fail "could not send the close request"
  sleep 0.5
  xwininfo -id "$box" 2>/dev/null | grep -q 'Map State: IsViewable' ||
    fail "the close request closed box $box"
  program_running || fail "the program ended while box $box waited for an answer"
}

# host_window TITLE W H: a green window of another program at (100, 100), like a settings
# panel's preview area or xscreensaver's window. Its id is in $HOST and the client's pid in
# $HOST_PID; killing the client takes the window (and any child in it) away.
host_window() {
  # Gone first: the client's shell empties the file only once it runs, and a wait that saw the
  # previous host's id there would read nothing.
  rm -f "$E2E_TMP/host"
  "$E2E_X_CLIENT" host "$1" "$2" "$3" >"$E2E_TMP/host" &
  HOST_PID=$!
  track_pid "$HOST_PID"
  # Generous: only a failure waits this long, and a busy machine may take seconds to start it.
  local deadline=$(($(now_ms) + 60000))
  until [ -s "$E2E_TMP/host" ] || [ "$(now_ms)" -ge "$deadline" ]; do sleep 0.05; done
  HOST=$(cat "$E2E_TMP/host")
  [ -n "$HOST" ] || fail "the host window did not appear"
}

# host_child_geometry: "WIDTHxHEIGHT+X+Y" of the host window's first child, which the program
# made; fails when there is none.
host_child_geometry() {
  local child
  child=$(xwininfo -children -id "$HOST" | awk '/^ +0x/ { print $1; exit }')
  [ -n "$child" ] || return 1
  window_geometry "$child"
}
