#!/usr/bin/env bash
# Every test: installs what is missing, builds the Windows player and the
# native tree, runs a short fuzzing pass over the file readers, then the
# native tests and the Wine end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset win32 -DVX_WERROR=ON
cmake --build --preset win32
cmake --preset native -DVX_WERROR=ON
cmake --build --preset native
scripts/fuzz.sh 30
ctest --preset native -j2
