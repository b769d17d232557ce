#!/usr/bin/env bash
# The demo: installs what is missing, builds the Windows player and vxpack,
# packs the demo presentation and plays it. With a display it plays in a
# window under Wine until you close it; without one it plays on a virtual
# screen and leaves a screenshot of page 1 in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake --preset native >/dev/null
cmake --build --preset native --target vxpack

demo=examples/hello
out=build/demo
mkdir -p "$out"
build/native/tools/vxpack/vxpack build "$demo" -o "$out/demo.exe" --player build/win32/vexorelle.exe
echo "Packed $demo into $out/demo.exe"

env=tests/wine/wine-env.sh
state=$PWD/build/demo/wine
trap '"$env" "$state" stop' EXIT
"$env" "$state" start
if [ -n "${DISPLAY:-}" ]; then
  echo "Playing; close the window to end."
  VX_WINE_TIMEOUT=86400 "$env" "$state" run "$PWD/$out/demo.exe" || true
else
  "$env" "$state" run "$PWD/build/win32/tests/wine/vxe2e.exe" screenshot "$PWD/$out/demo.exe" "$PWD/$out"
  echo "Played headless; page 1 is in $out/page1.bmp"
fi
