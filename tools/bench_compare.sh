#!/usr/bin/env bash
# Measures two builds side by side on one Xvfb, alternating them so that both meet the same
# machine: the whole scene's frame rate beside the full-window textured quad (the fill-rate
# bound) at three sizes, start-up to the first frame, and the snow step. Each round runs both
# builds at every size; the medians over the rounds and the scene-to-quad ratio come last, since
# one round alone can be a third off on a shared machine.
#   tools/bench_compare.sh BEFORE_BUILD_DIR [AFTER_BUILD_DIR=build] [SECONDS=8] [ROUNDS=3]
# A build without bench/frost_bench (older than the benchmarks) shows no snow-step number.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
before=$1
after=${2:-$root/build}
seconds=${3:-8}
rounds=${4:-3}
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

printf '%-6s %-10s %-7s %12s %10s %10s\n' round size build "start-up ms" "scene fps" "quad fps"
for round in $(seq "$rounds"); do
  for size in 800x600 1024x768 1280x1024; do
    for build in before after; do
      dir=$before
      [ "$build" = after ] && dir=$after
      read -r startup fps quad <<<"$(scene "$dir" "$size")"
      printf '%-6s %-10s %-7s %12s %10s %10s\n' "$round" "$size" "$build" "$startup" "$fps" "$quad"
    done
  done
done | tee "$work/rounds.txt"
echo
echo "medians over $rounds rounds"
printf '%-10s %-7s %12s %10s %10s %12s\n' size build "start-up ms" "scene fps" "quad fps" "scene/quad"
sort -k2,2V -k3,3r "$work/rounds.txt" | awk '
  function median(list, n,   sorted, i, j, t) {
    for (i = 1; i <= n; ++i) sorted[i] = list[i]
    for (i = 2; i <= n; ++i)
      for (j = i; j > 1 && sorted[j - 1] > sorted[j]; --j) {
        t = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = t
      }
    return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
  }
  function flush() {
    if (n == 0) return
    s = median(scene, n); q = median(quad, n)
    printf "%-10s %-7s %12.1f %10.1f %10.1f %12.3f\n", key1, key2, median(start, n), s, q, s / q
    n = 0
  }
  $1 == "round" { next }
  $2 != key1 || $3 != key2 { flush(); key1 = $2; key2 = $3 }
  { ++n; start[n] = $4; scene[n] = $5; quad[n] = $6 }
  END { flush() }'
echo
echo "snow step, before: $(snow "$before")"
echo "snow step, after:  $(snow "$after")"
