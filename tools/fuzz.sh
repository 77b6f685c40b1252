#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them on their seed corpora.
# The reader targets feed one data-file reader alone, tens of thousands of
# inputs a second; the file targets replay the whole level around the file
# read, a few hundred a second. Paths are absolute: the targets work in a
# scratch folder of their own. Crashes are kept in build-fuzz/crashes/<target>/:
# turn each into a reader test, or for a file target into a case in
# tests/faults/crashes/.
#   tools/fuzz.sh [SECONDS]   every target for SECONDS (default 30) on a growing corpus
#   tools/fuzz.sh --smoke     the reader targets alone, a fixed number of runs from a
#                             fixed seed: seconds, and the same inputs every time (./test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$PWD/${ORVANE_FUZZ_DIR:-build-fuzz}
targets=(data_reader layout_reader map_reader)
if [ "${1:-}" = --smoke ]; then
  limit=(-runs="${ORVANE_FUZZ_RUNS:-20000}" -seed=1)
  corpora=$dir/smoke-corpus
  rm -rf "$corpora"
else
  targets+=(data_file layout_file map_file)
  limit=(-max_total_time="${1:-30}")
  corpora=$dir/corpus
fi

# Line tables are enough to name the line of a crash, and build a fifth faster.
CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" -DORVANE_FUZZ=ON \
  -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/%/_fuzzer}" >"$dir/build.log" 2>&1 ||
  { cat "$dir/build.log"; exit 1; }

export SDL_AUDIODRIVER=dummy
# A small quarantine and no fill of fresh blocks: the readers' streams take a
# fresh buffer for every input, and these make the runs half again as fast.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:max_malloc_fill_size=0:quarantine_size_mb=16
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  seeds=$PWD/fuzz/corpus/${target/_reader/_file}  # a reader shares its file target's seeds, which stay as they are
  corpus=$corpora/$target
  crashes=$dir/crashes/$target
  mkdir -p "$corpus" "$crashes"
  start=$(date +%s.%N)
  if ! "$dir/fuzz/${target}_fuzzer" "$corpus" "$seeds" "${limit[@]}" -max_len=4096 -timeout=20 \
    -print_final_stats=1 -artifact_prefix="$crashes/" >"$dir/$target.log" 2>&1; then
    status=1
    echo "FAILED: $target; see $dir/$target.log and $crashes/"
  fi
  seconds=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.2f", b - a }')
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/$target.log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$dir/$target.log")
  rate=$(awk -v r="${runs:-0}" -v s="$seconds" 'BEGIN { printf "%d", r / s }')
  echo "fuzz $target: ${runs:-?} runs in $seconds s with start-up ($rate a second), ${rss:-?} MB at most"
done
exit $status
