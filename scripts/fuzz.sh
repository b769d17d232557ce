#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time on its
# seed corpus (SECONDS per target, default 60): the file readers, the
# evaluators, the runner and the whole player (docs/hostile-input.md). Fails
# on any crash, hang or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
# A sanitize preset's tree (CI's) already holds the fuzzers; else a tree of
# their own.
tree=${VX_FUZZ_TREE:-build/fuzz}

if [ ! -f "$tree/CMakeCache.txt" ]; then
  cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVX_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$tree" --target vx_fuzzers

# Leaks inside fontconfig and Pango's process-wide caches are not ours.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"

shopt -s nullglob
for fuzzer in "$tree"/tests/fuzz/vx_fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=${fuzzer##*/vx_fuzz_}
  corpus=tests/fuzz/corpus/$name
  work=$tree/corpus-$name
  mkdir -p "$work"
  # The runner and the player draw text: fontconfig's caches grow with every
  # new font name and LeakSanitizer would stop at each input to symbolise
  # them; leaks in our code are the sanitizer build's to find.
  # Each of their inputs starts a whole player (seconds under the
  # sanitizers on a busy machine), so they get a longer hang limit.
  leaks=1 hang=10
  case $name in runner|player) leaks=0 hang=60 ;; esac
  echo "fuzzing $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -timeout=$hang -rss_limit_mb=2048 -print_final_stats=0 \
    -detect_leaks=$leaks "$work" "$corpus" 2>&1 | tail -n 3
done
echo "fuzzing: 0 crashes"
