#!/usr/bin/env bash
# The native player end to end under a display of its own: it plays the demo,
# real X input types a name into the edit box and clicks Greet, and a
# screenshot of the host window shows the greeting.
#   vxplay_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
number=${VX_VXPLAY_DISPLAY:-117}
rm -rf "$work"
mkdir -p "$work"

. "$(dirname "$0")/e2e_lib.sh"

timeout 60 "$vxpack" build "$src/examples/demo" -o "$work/demo.exe" \
  --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

timeout 300 Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -e "/tmp/.X11-unix/X$number"
export DISPLAY=":$number" XDG_DATA_HOME="$work/data" HOME="$work"

timeout 120 "$vxplay" --trace "$work/trace.txt" "$work/demo.exe" >"$work/vxplay.log" 2>&1 &
pids+=($!)
shown() { grep -q '^show VX_APPLICATION_FORM1' "$work/trace.txt" 2>/dev/null; }
wait_for 30 shown
window() { timeout 5 xdotool search --name '^demo\.exe$' | head -1; }
has_window() { [ -n "$(window)" ]; }
wait_for 10 has_window
wid=$(window)

# No window manager: the host window is at (0, 0) at the virtual screen's
# size, so a page point is its screen point (page 1 is centred in 1024 x 768).
geometry=$(timeout 5 xdotool getwindowgeometry "$wid")
echo "$geometry" | grep -q 'Geometry: 1024x768' || { echo "unexpected host window: $geometry" >&2; exit 1; }

area() { timeout 10 xwd -silent -id "$wid" | timeout 10 python3 "$here/xwd_area.py" "$@"; }
greeting_shows() { read -r hits total < <(area 216 326 110 20 green); [ "$hits" -gt 20 ]; }
if greeting_shows; then echo "a greeting before any input" >&2; exit 1; fi

timeout 5 xdotool mousemove 324 302 click 1
timeout 10 xdotool type --delay 30 Ada
timeout 5 xdotool mousemove 497 302 click 1
clicked() { grep -q 'script VEXORELLE_NEW_BUTTONClick OBJgreet' "$work/trace.txt"; }
wait_for 10 clicked
wait_for 10 greeting_shows
timeout 10 xwd -silent -id "$wid" >"$work/greeted.xwd"
echo "vxplay showed the greeting"
