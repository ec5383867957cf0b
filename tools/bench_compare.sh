#!/usr/bin/env bash
# Measures two builds side by side on one Xvfb, alternating them so that both meet the same
# machine: the whole scene's frame rate beside the full-window textured quad (the fill-rate
# bound) at three sizes, start-up to the first frame, and the snow step.
#   tools/bench_compare.sh BEFORE_BUILD_DIR [AFTER_BUILD_DIR=build] [SECONDS=8]
# A build without bench/frost_bench (older than the benchmarks) shows no snow-step number.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
before=$1
after=${2:-$root/build}
seconds=${3:-8}
work=$(mktemp -d)
xserver=
cleanup() {
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
source "$root/tools/private_xvfb.sh"
start_private_xvfb 1280x1024x24 "$work"

# scene BUILD SIZE: "start-up-ms scene-fps quad-fps"
scene() {
  "$1/bin/frostmote-capture" --bench "$seconds" --size "$2" 2>/dev/null | awk '
    /^start-up to first frame:/ { startup = $5 }
    /^scene/ { scene = $2 }
    /^textured quad/ { quad = $3 }
    END { printf "%s %s %s", startup, scene, quad }'
}
snow() {
  [ -x "$1/bench/frost_bench" ] || { echo "-"; return; }
  "$1/bench/frost_bench" --benchmark_filter='SnowStep' --benchmark_min_time=2 2>/dev/null |
    awk '/^SnowStep/ { printf "%s %s %s (CPU)  ", $1, $4, $5 }'
  echo
}

printf '%-10s %-7s %12s %10s %10s\n' size build "start-up ms" "scene fps" "quad fps"
for size in 800x600 1024x768 1280x1024; do
  for build in before after; do
    dir=$before
    [ "$build" = after ] && dir=$after
    read -r startup fps quad <<<"$(scene "$dir" "$size")"
    printf '%-10s %-7s %12s %10s %10s\n' "$size" "$build" "$startup" "$fps" "$quad"
  done
done
echo
echo "snow step, before: $(snow "$before")"
echo "snow step, after:  $(snow "$after")"
