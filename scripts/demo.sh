#!/usr/bin/env bash
# The demo: installs what is missing, builds the Windows player, vxpack and
# the headless player, packs examples/demo and plays it. With a display it
# plays in a window under Wine until you close it; without one it follows
# examples/demo/tour.txt on the simulated desktop and leaves the screenshots
# and the trace in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake --preset native >/dev/null
cmake --build --preset native --target vxpack vxrun

out=build/demo
source_dir=$out/source
rm -rf "$source_dir"
mkdir -p "$source_dir"
cp examples/demo/* "$source_dir/"
# The demo's Persian texts need a font with Arabic letters; it travels
# inside the presentation, as an author would ship one.
cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$source_dir/"
build/native/tools/vxpack/vxpack build "$source_dir" -o "$out/demo.exe" --player build/win32/vexorelle.exe
echo "Packed examples/demo into $out/demo.exe"

if [ -n "${DISPLAY:-}" ]; then
  env=tests/wine/wine-env.sh
  state=$PWD/$out/wine
  trap '"$env" "$state" stop' EXIT
  "$env" "$state" start
  echo "Playing; close the window to end."
  VX_WINE_TIMEOUT=86400 "$env" "$state" run "$PWD/$out/demo.exe" || true
else
  cp examples/demo/tour.txt "$out/tour.txt"
  status=0
  build/native/tools/vxrun/vxrun --headless "$out/demo.exe" --tour "$out/tour.txt" >"$out/trace.txt" || status=$?
  tail -n 1 "$out/trace.txt"
  echo "Played headless (no display): the trace is $out/trace.txt, the screenshots $out/*.png"
  exit "$status"
fi
