#!/usr/bin/env bash
# Every test: installs what is missing, builds the Windows player and the
# native tree with the sanitizers, runs a short pass of every fuzzer (file
# readers, evaluators, runner, whole player), then the native tests and the
# Wine end-to-end tests. Where this machine cannot run
# 32-bit programs (or VX_WINE64=1), the Wine tests check a 64-bit build of
# the player under 64-bit Wine (docs/wine-tests.md).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset win32 -DVX_WERROR=ON
cmake --build --preset win32
if [ "$(scripts/wine-arch.sh)" = 64 ]; then
  echo "Wine checks: the 64-bit player under 64-bit Wine$([ "${VX_WINE64:-0}" = 1 ] || echo ': this machine does not run 32-bit programs')"
  cmake --preset win64 -DVX_WERROR=ON
  cmake --build --preset win64
else
  echo "Wine checks: the 32-bit player under Wine"
fi
# One native build, under AddressSanitizer and UndefinedBehaviorSanitizer:
# every native test (and the vxpack the Wine tests use) runs from it, so a
# memory error or undefined behaviour fails CI, and the fuzzers are built
# from the same objects (docs/hostile-input.md).
cmake --preset sanitize -DVX_WERROR=ON
cmake --build --preset sanitize
VX_FUZZ_TREE=build/sanitize scripts/fuzz.sh 20
ctest --preset sanitize -j2
