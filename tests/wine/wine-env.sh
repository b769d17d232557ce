#!/usr/bin/env bash
# A Wine of the tests' own: its prefix and, when no display is set, an Xvfb
# server live under STATE; every wine process runs under a timeout.
#   wine-env.sh STATE start | stop | run WINDOWS-PROGRAM ARGS...
# VX_WINE_ARCH=64 runs the 64-bit player's checks under 64-bit Wine in a
# 64-bit prefix (scripts/wine-arch.sh decides); otherwise Wine as installed.
set -euo pipefail
state=$1
action=$2
shift 2
mkdir -p "$state"
export WINEPREFIX="$state/prefix"
wine=wine
export WINEARCH=win32
if [ "${VX_WINE_ARCH:-32}" = 64 ]; then
  export WINEPREFIX="$state/prefix64"
  export WINEARCH=win64
  # The loader itself: the wine wrapper prefers a 32-bit loader when one
  # is installed, which cannot start a 64-bit prefix.
  wine=/usr/lib/wine/wine64
  [ -x "$wine" ] || wine=$(command -v wine64)
  export WINELOADER=$wine
fi
export WINEDEBUG=-all
# No sound card here: DirectShow cannot render a WAV file (0x80040218)
# until ALSA's default device is the null one. A home of the tests' own
# holds that setting, never the user's.
export HOME="$state/home"
mkdir -p "$HOME"
printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
# No Mono or Gecko install dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

display_of() { cat "$state/display"; }

case "$action" in
  start)
    if [ -n "${DISPLAY:-}" ]; then
      echo "$DISPLAY" > "$state/display"
    else
      n=90
      while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
      echo $! > "$state/xvfb.pid"
      echo ":$n" > "$state/display"
      for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
      [ -e "/tmp/.X11-unix/X$n" ] || { echo "Xvfb did not start"; cat "$state/xvfb.log"; exit 1; }
    fi
    DISPLAY=$(display_of) timeout 300 "$wine" wineboot.exe -i
    DISPLAY=$(display_of) timeout 120 wineserver -w || true
    ;;
  stop)
    timeout 60 wineserver -k 2>/dev/null || true
    if [ -f "$state/xvfb.pid" ]; then kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true; rm -f "$state/xvfb.pid"; fi
    ;;
  run)
    export DISPLAY
    DISPLAY=$(display_of)
    # Windows paths for the program's arguments that name files here.
    args=()
    for a in "$@"; do
      if [[ "$a" == /* ]]; then mkdir -p "$(dirname "$a")"; args+=("Z:${a//\//\\}"); else args+=("$a"); fi
    done
    prog=${args[0]}
    timeout -k 10 "${VX_WINE_TIMEOUT:-240}" "$wine" "$prog" "${args[@]:1}"
    ;;
  *)
    echo "usage: $0 STATE start|stop|run PROGRAM ARGS..." >&2
    exit 2
    ;;
esac
