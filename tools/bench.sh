#!/usr/bin/env bash
# Prints one table of how fast Frostmote runs here: the real scene's frame rate and a
# full-window textured quad (the fill-rate bound) at three window sizes, start-up time, and the
# CPU cost of one snow step and one camera step. Runs on its own Xvfb (1280x1024x24), so it
# needs no display; build first (tools/build.sh). BENCH_SECONDS sets each timed run (default 5).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
seconds=${BENCH_SECONDS:-5}
capture=$build/bin/frostmote-capture
bench=$build/bench/frost_bench
for program in "$capture" "$bench"; do
  [ -x "$program" ] || { echo "missing $program: build first (tools/build.sh)" >&2; exit 1; }
done

work=$(mktemp -d)
xserver=
cleanup() {
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$root/tools/private_xvfb.sh"
start_private_xvfb 1280x1024x24 "$work"

renderer=$(glxinfo -B 2>/dev/null | sed -n 's/^OpenGL renderer string: //p' || true)
echo "Frostmote benchmarks on $(nproc) CPUs, ${renderer:-unknown renderer}, ${seconds} s per run"
echo
printf '%-10s  %12s  %10s  %10s  %11s  %10s  %10s\n' size "start-up ms" "scene fps" "mean ms" \
  "worst ms" "quad fps" "quad ms"
for size in 800x600 1024x768 1280x1024; do
  "$capture" --bench "$seconds" --size "$size" >"$work/capture.txt" 2>&1 ||
    { cat "$work/capture.txt" >&2; exit 1; }
  awk -v size="$size" '
    /^start-up to first frame:/ { startup = $5 }
    /^scene /                   { fps = $2; mean = $5; worst = $8 }
    /^textured quad /           { qfps = $3; qmean = $6 }
    END { printf "%-10s  %12s  %10s  %10s  %11s  %10s  %10s\n",
                 size, startup, fps, mean, worst, qfps, qmean }' "$work/capture.txt"
done

echo
"$bench" --benchmark_format=csv --benchmark_min_time=1 >"$work/bench.csv" 2>/dev/null ||
  { "$bench"; exit 1; }
printf '%-22s  %14s  %s\n' "per frame, CPU" "time" "target"
awk -F, '
  NR == 1 { for (i = 1; i <= NF; ++i) column[$i] = i; next }
  {
    name = $column["name"]; gsub(/"/, "", name)
    time = $column["cpu_time"]; unit = $column["time_unit"]
    target = name ~ /^SnowStep/ ? "< 100 us" : ""
    printf "%-22s  %10.2f %-3s  %s\n", name, time, unit, target
  }' "$work/bench.csv"
