#!/usr/bin/env bash
# The demo: installs what is missing, builds the Windows player, vxpack,
# the native player and the headless player, packs examples/demo and plays
# it. With a display it plays natively in a window (vxplay) until you close
# it; `scripts/demo.sh --wine` plays the Windows player under Wine instead.
# Without a display it follows examples/demo/tour.txt on the simulated
# desktop and leaves the screenshots and the trace in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."

wine=0
case "${1:-}" in
  --wine) wine=1 ;;
  "") ;;
  *) echo "usage: scripts/demo.sh [--wine]" >&2; exit 2 ;;
esac

scripts/install-deps.sh

# The shipped player is 32-bit; a machine that cannot run 32-bit programs
# plays the demo with the 64-bit build of the same player under Wine.
arch=$(scripts/wine-arch.sh)
player_preset=win32
[ "$arch" = 64 ] && player_preset=win64
cmake --preset "$player_preset" >/dev/null
cmake --build --preset "$player_preset"
cmake --preset native >/dev/null
cmake --build --preset native --target vxpack vxrun
[ -n "${DISPLAY:-}" ] && [ "$wine" = 0 ] && cmake --build --preset native --target vxplay

out=build/demo
mkdir -p "$out"
build/native/tools/vxpack/vxpack build examples/demo -o "$out/demo.exe" --player "build/$player_preset/vexorelle.exe"
echo "Packed examples/demo into $out/demo.exe"

if [ -n "${DISPLAY:-}" ] && [ "$wine" = 0 ]; then
  echo "Playing natively (vxplay); Alt+Enter or F11 toggles full screen; close the window to end."
  build/native/tools/vxplay/vxplay --trace "$out/trace.txt" "$out/demo.exe" || true
elif [ -n "${DISPLAY:-}" ]; then
  env=tests/wine/wine-env.sh
  state=$PWD/$out/wine
  export VX_WINE_ARCH=$arch
  trap '"$env" "$state" stop' EXIT
  "$env" "$state" start
  echo "Playing with the $arch-bit player; close the window to end."
  VX_WINE_TIMEOUT=86400 "$env" "$state" run "$PWD/$out/demo.exe" || true
else
  cp examples/demo/tour.txt "$out/tour.txt"
  status=0
  build/native/tools/vxrun/vxrun --headless "$out/demo.exe" --tour "$out/tour.txt" >"$out/trace.txt" || status=$?
  tail -n 1 "$out/trace.txt"
  echo "Played headless (no display): the trace is $out/trace.txt, the screenshots $out/*.png"
  exit "$status"
fi
