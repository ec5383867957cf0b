#!/usr/bin/env bash
# A long run of the full-screen saver with the default music and the frame counter, on its own
# Xvfb, sampling once a second: resident memory, open file descriptors, OpenGL errors.
#   tools/soak.sh [SECONDS=1800] [OUT_DIR]
# Writes OUT_DIR/soak.csv (seconds,rss_kb,fds,gl_errors) and prints a summary. Fails when
# resident memory grows by more than 2 MB after the first minute (after the first half of a run
# shorter than two minutes), when descriptors are leaked, on any OpenGL error, or when the
# program does not end with code 1 on Escape. BUILD_DIR picks another build, such as a
# sanitizer's, whose own bookkeeping grows: SOAK_GROWTH_KB then sets the growth allowed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-1800}
out=${2:-$root/build/soak}
build=${BUILD_DIR:-$root/build}
# The saver changes into its data folder, so a relative path would not find the music.
[ -x "$build/bin/frostmote" ] || { echo "soak: build first (tools/build.sh)" >&2; exit 1; }
build=$(cd "$build" && pwd)
program=$build/bin/frostmote
data=$build/share/frostmote
mkdir -p "$out"
work=$(mktemp -d)
xserver=
saver=
cleanup() {
  [ -n "$saver" ] && kill -9 "$saver" 2>/dev/null || true
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$root/tools/private_xvfb.sh"
start_private_xvfb 1024x768x24 "$work"

# config.cfg: mode 0, the MP3 (the default music), dance on, frame counter on.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/frostmote"
printf '\x00\x01\x01\x01\x00\x00%s' "$data/scene/data/endcreds.mp3" >"$XDG_CONFIG_HOME/frostmote/config.cfg"
# The sound goes where a card would take it, at the card's pace.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

# A crash leaves a core in the saver's working folder (its data folder), for the backtrace below.
ulimit -c unlimited 2>/dev/null || true
"$program" /s >"$work/program.log" 2>&1 &
saver=$!
died() {
  echo "soak: the saver ended after $1 s" >&2
  cat "$work/program.log" >&2
  local core
  core=$(find "$data" -maxdepth 2 -type f -name 'core*' -newer "$work/display" | head -1)
  if [ -n "$core" ] && command -v gdb >/dev/null; then
    echo 'soak: the thread that failed first, then all of them:' >&2
    gdb -q -batch -ex bt -ex 'thread apply all bt 16' "$program" "$core" 2>&1 | grep -E '^(Thread|#)' | cut -c1-200 >&2
  fi
  [ -z "$core" ] || rm -f "$core"
  exit 1
}
window_named() { xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" '$2 == name { print $1; exit }'; }
for _ in $(seq 150); do
  question=$(window_named Pendrel)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] && xdotool windowfocus --sync "$question" key Return
for _ in $(seq 150); do
  window=$(window_named ZIRavar)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "soak: no saver window" >&2; cat "$work/program.log" >&2; exit 1; }

echo "seconds,rss_kb,fds,gl_errors" >"$out/soak.csv"
for ((t = 1; t <= seconds; t++)); do
  sleep 1
  kill -0 "$saver" 2>/dev/null || died "$t"
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$saver/status")
  fds=$(ls "/proc/$saver/fd" | wc -l)
  errors=$(grep -c 'OpenGL error' "$work/program.log" || true)
  echo "$t,$rss,$fds,$errors" >>"$out/soak.csv"
done
xdotool windowfocus --sync "$window" key Escape
status=0
wait "$saver" || status=$?
saver=
cp "$work/program.log" "$out/program.log"

settle=60
[ "$seconds" -lt 120 ] && settle=$((seconds / 2))
awk -F, -v settle="$settle" -v status="$status" -v allowed="${SOAK_GROWTH_KB:-2048}" '
  NR == 1 { next }
  $1 == settle { base = $2; basefds = $3 }
  $1 >= settle { if ($2 > peak) peak = $2; if ($3 > maxfds) maxfds = $3 }
  { last = $0; errors = $4; lastrss = $2; first = (first == "" ? $2 : first) }
  END {
    growth = peak - base
    printf "soak: %d s; resident memory %d kB at 1 s, %d kB at %d s, peak after it %d kB (+%d kB), %d kB at the end\n",
           $1, first, base, settle, peak, growth, lastrss
    printf "soak: descriptors %d at %d s, at most %d after; OpenGL errors %d; exit code %d\n",
           basefds, settle, maxfds, errors, status
    bad = growth > allowed || maxfds > basefds || errors > 0 || status != 1
    print bad ? "soak: FAIL" : "soak: PASS"
    exit bad
  }' "$out/soak.csv"
