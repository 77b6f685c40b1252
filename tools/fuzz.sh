#!/usr/bin/env bash
# Builds the libFuzzer targets of the data-file readers with clang and runs
# each for a bounded time on its seed corpus. Paths are absolute: the targets
# work in a scratch folder of their own. Crashes are kept in
# build-fuzz/crashes/<target>/; turn each into a case in tests/faults/crashes/.
#   tools/fuzz.sh [SECONDS_PER_TARGET]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
dir=$PWD/${ORVANE_FUZZ_DIR:-build-fuzz}

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_FUZZ=ON \
  -DORVANE_TESTS=OFF -DORVANE_BENCH=OFF >/dev/null
cmake --build "$dir" -j"$(nproc)" --target data_file_fuzzer layout_file_fuzzer map_file_fuzzer

export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in data_file layout_file map_file; do
  corpus=$dir/corpus/$target  # grows; the seeds in fuzz/corpus stay as they are
  crashes=$dir/crashes/$target
  mkdir -p "$corpus" "$crashes"
  echo "== $target: $seconds s"
  if ! "$dir/fuzz/${target}_fuzzer" "$corpus" "$PWD/fuzz/corpus/$target" \
    -max_total_time="$seconds" -max_len=4096 -timeout=20 -print_final_stats=1 \
    -artifact_prefix="$crashes/" 2>"$dir/$target.log"; then
    status=1
    echo "FAILED: $target; see $dir/$target.log and $crashes/"
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^Done|^#[0-9]+ +DONE' "$dir/$target.log" || true
done
exit $status
