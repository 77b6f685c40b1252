#!/usr/bin/env bash
# Runs the start-up benchmark a few times on a virtual X server with Mesa's
# software renderer, the way the tests see the game. Prints figures only.
# Usage: run_startup.sh <orvane_startup_bench> <folder holding Resources/> [runs]
set -uo pipefail
if [ -z "${ORVANE_BENCH_X:-}" ]; then
  ORVANE_BENCH_X=1 exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi
export LIBGL_ALWAYS_SOFTWARE=1 SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
bench=$1
dir=$2
runs=${3:-5}
echo "== start-up, $runs runs, $(nproc) cores, $(glxinfo -B 2>/dev/null | grep -m1 'renderer string' | cut -d: -f2)"
for i in $(seq "$runs"); do
  echo "-- run $i"
  ORVANE_LAUNCH_NS=$(date +%s%N) "$bench" "$dir" | grep -v '^Vexor\|^$\|^Graphics'
done
echo "-- one run, managers timed apart"
ORVANE_LAUNCH_NS=$(date +%s%N) "$bench" "$dir" --split | grep -v '^Vexor\|^$\|^Graphics'
