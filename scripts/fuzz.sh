#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time on its
# seed corpus (SECONDS per target, default 60). Fails on any crash, hang or
# sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVX_BUILD_BENCH=OFF >/dev/null
cmake --build build/fuzz --target vx_fuzzers

shopt -s nullglob
for fuzzer in build/fuzz/tests/fuzz/vx_fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=${fuzzer##*/vx_fuzz_}
  corpus=tests/fuzz/corpus/$name
  work=build/fuzz/corpus-$name
  mkdir -p "$work"
  echo "fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
    "$work" "$corpus" 2>&1 | tail -n 3
done
echo "fuzzing: 0 crashes"
