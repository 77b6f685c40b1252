#!/usr/bin/env bash
# Before and after in one run, in turns: the level frame benchmark and the
# start-up benchmark of an older build against this one's (which also times
# the floor), on a virtual X server with Mesa's software renderer. Prints the
# medians over the rounds and the ratios. Figures only; nothing fails on them.
# Usage: compare.sh <build dir before> <build dir after> [rounds (3)] [frames (100)]
#   The build dirs hold bench/level/level_frame_bench, bench/startup/orvane_startup_bench and Resources/.
set -uo pipefail
if [ -z "${ORVANE_BENCH_X:-}" ]; then
  ORVANE_BENCH_X=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
before=$(cd "$1" && pwd)
after=$(cd "$2" && pwd)
rounds=${3:-3}
frames=${4:-100}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

median() { sort -g | awk '{v[NR] = $1} END {if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2); else print "-"}'; }

# One value a line into $out/<name>.
note() { [ -n "$2" ] && echo "$2" >>"$out/$1"; }

# Each benchmark ends with a summary: scene, level ms, cpu, reference, cpu, floor ms, cpu, level/floor.
frames() {
  local which=$1 dir=$2
  (cd "$dir" && bench/level/level_frame_bench "$frames" 1) | awk -v dir="$out" -v w="$which" '
    /^(fresh level|heaviest scene), / && !/pixels/ && $NF ~ /^[0-9.]+$/ {
      s = ($1 == "fresh" ? "fresh" : "heavy") "_" ($3 == "windowed" ? "windowed" : "full")
      print $(NF - 6) >> (dir "/" w "_" s); print $(NF - 5) >> (dir "/" w "cpu_" s)
      print $(NF - 2) >> (dir "/" w "floor_" s); print $(NF - 1) >> (dir "/" w "floorcpu_" s)}'
}

startup() {
  local which=$1 dir=$2
  (cd "$dir" && ORVANE_LAUNCH_NS=$(date +%s%N) bench/startup/orvane_startup_bench . --split) | awk -v dir="$out" -v w="$which" '
    /^resources/ {for (i = 1; i < NF; ++i) if ($(i + 1) ~ /^ms/) print $i >> (dir "/" w "_load")}
    /^launch to first frame/ {print $(NF - 1) >> (dir "/" w "_launch")}
    /^resident after loading/ {print $4 >> (dir "/" w "_rss")}'
}

echo "== $rounds rounds, $frames frames a scene, $(nproc) cores; before $before, after $after"
for r in $(seq "$rounds"); do
  echo "-- round $r"
  frames before "$before"
  frames after "$after"
  startup before "$before"
  startup after "$after"
done

value() { if [ -s "$out/$1" ]; then median <"$out/$1"; else echo "-"; fi; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (a == "-" || b == "-" || b == 0) print "-"; else printf "%.2f", a / b}'; }

echo
echo "Whole frame, median ms (CPU: ms a frame, all threads; each build's floor ran beside it)"
printf "%-28s %8s %8s %8s %8s %8s %8s %12s %12s %12s\n" scene before "cpu" after "cpu" floor "cpu" after/before \
  before/floor after/floor
for s in fresh_windowed fresh_full heavy_windowed heavy_full; do
  b=$(value "before_$s") a=$(value "after_$s") fb=$(value "beforefloor_$s") fa=$(value "afterfloor_$s")
  label=${s/fresh_/fresh level, }
  label=${label/heavy_/heaviest scene, }
  printf "%-28s %8s %8s %8s %8s %8s %8s %12s %12s %12s\n" "${label/full/full screen}" "$b" "$(value "beforecpu_$s")" \
    "$a" "$(value "aftercpu_$s")" "$fa" "$(value "afterfloorcpu_$s")" "$(ratio "$a" "$b")" "$(ratio "$b" "$fb")" \
    "$(ratio "$a" "$fa")"
done
echo
echo "Start-up, median"
printf "%-28s %10s %10s %8s\n" "" before after ratio
for m in load:"pictures and meshes (ms)" launch:"launch to first frame (ms)" rss:"resident after loading (MiB)"; do
  b=$(value "before_${m%%:*}") a=$(value "after_${m%%:*}")
  printf "%-28s %10s %10s %8s\n" "${m#*:}" "$b" "$a" "$(ratio "$a" "$b")"
done
