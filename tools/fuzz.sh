#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) and runs each for a while:
#   tools/fuzz.sh [SECONDS_EACH=30] [TARGET...]
# Targets: command_line settings tga jpeg mp3 display_modes (all when none are named). Each
# starts from its seeds in fuzz/corpus/ plus, when the build has made them, the program's own
# data files. Prints executions and crashes per target; crash inputs are kept in
# build-fuzz/findings/. Exits 1 when any target found a crash, a leak or a hang.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(command_line settings tga jpeg mp3 display_modes)
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFROST_FUZZ=ON -DFROST_BUILD_APP=OFF -DFROST_WERROR=ON >/dev/null
fi
cmake --build "$build" --target "${targets[@]/#/fuzz_}" >/dev/null

findings="$build/findings"
mkdir -p "$findings"
data=$root/build/share/frostmote
status=0
printf '%-14s %12s %8s %10s\n' target executions crashes "corpus"
for target in "${targets[@]}"; do
  work=$(mktemp -d)
  cp "$root/fuzz/corpus/$target/"* "$work/" 2>/dev/null || true
  # Our own files make the best seeds: they are what the program reads every day.
  case $target in
    tga) [ -f "$data/font.tga" ] && cp "$data/font.tga" "$work/" ;;
    jpeg) for f in "$data"/scene/data/{bass,basics,myback}.jpg; do [ -f "$f" ] && cp "$f" "$work/"; done ;;
  esac
  log="$findings/$target.log"
  before=$(find "$findings" -maxdepth 1 -type f -name "$target-*" | wc -l)
  touch "$findings/.$target-started"
  set +e
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/fuzz_$target" "$work" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/$target-" >"$log" 2>&1
  rc=$?
  set -e
  runs=$(awk '/stat::number_of_executed_units:/ { print $2 }' "$log" | tail -1)
  crashes=$(($(find "$findings" -maxdepth 1 -type f -name "$target-*" | wc -l) - before))
  # A sanitizer report or a hang ends the run with a failure even where no input was saved.
  [ "$rc" -eq 0 ] || [ "$crashes" -gt 0 ] || crashes=1
  printf '%-14s %12s %8s %10s\n' "$target" "${runs:-?}" "$crashes" "$(ls "$work" | wc -l)"
  if [ "$crashes" -gt 0 ]; then
    status=1
    grep -m5 -E 'ERROR|SUMMARY|runtime error' "$log" >&2 || true
    # CI works in a clone that is gone afterwards: the input itself goes into its log.
    find "$findings" -maxdepth 1 -type f -name "$target-*" -newer "$findings/.$target-started" -size -8k |
      while read -r found; do echo "$found, base64:" >&2 && base64 -w 100 "$found" >&2; done
  fi
  rm -rf "$work"
done
exit $status
