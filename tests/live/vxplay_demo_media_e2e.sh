#!/usr/bin/env bash
# The demo's media page in the native player under a display of its own:
# real clicks go from the welcome page through the shapes page to the media
# page, whose chime plays with the page (to a sink that keeps real time) and
# runs its finish script; the Play button starts the clip, a screenshot
# during playback shows its frames (the clip's blue) at the video's place
# and nowhere beside it, and the clip's finish script runs at its end.
#   vxplay_demo_media_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/home/.cache"

. "$(dirname "$0")/e2e_lib.sh"

play_demo

# No window manager: the host window is at (0, 0) at the virtual screen's
# size; the demo's 640 x 420 pages are centred with their client area at
# (191, 166). Shapes at (510, 360) on the welcome page and Media at
# (496, 360) on the shapes page, each 30 high; Play at (370, 60), 120 x 28,
# on the media page; the video at (24, 60), 320 x 240.
go 756 541 shapes VX_APPLICATION_FORM3
go 747 541 media VX_APPLICATION_FORM5

# The chime was made by vxpack; it renders for real and plays to its end.
wait_for 10 traced '^media render .*chime.wav [0-9]* ms'
wait_for 10 traced '^script VEXORELLE_NEW_SOUNDGraphComplete OBJchime'
if traced '^script VEXORELLE_NEW_GRAPHGraphComplete'; then echo "the clip ended before it was played" >&2; exit 1; fi

timeout 5 xdotool mousemove 621 240 click 1
wait_for 10 traced '^script VEXORELLE_NEW_BUTTONClick OBJplay '
wait_for 10 traced '^media render .*clip.avi [0-9]* ms'
if traced '^media cannot'; then echo "a file did not play:" >&2; grep '^media' "$work/trace.txt" >&2; exit 1; fi

# hits of the colour family in each area, and the area's pixels; "0 1"
# when no screenshot could be read.
count() {
  local out
  out=$(timeout 10 xwd -silent -id "$wid" 2>/dev/null | timeout 10 python3 "$here/xwd_area.py" "$@" 2>/dev/null) || out="0 1"
  echo "${out:-0 1}"
}
video_shows() {
  local video beside
  { read -r -a video; read -r -a beside; } < <(count 215 226 320 240 blue 191 226 22 240 blue)
  [ "${video[0]:-0}" -gt $(( ${video[1]:-1} * 8 / 10 )) ] && [ "${beside[0]:-1}" -eq 0 ]
}
wait_for 10 video_shows
timeout 10 xwd -silent -id "$wid" >"$work/playing.xwd"

# 60 frames at 10 a second: the clip ends about 6 s after Play.
wait_for 20 traced '^script VEXORELLE_NEW_GRAPHGraphComplete OBJclip'
if grep -q '^error' "$work/trace.txt"; then grep '^error' "$work/trace.txt" >&2; exit 1; fi
echo "vxplay played the demo's chime and clip and ran their finish scripts"
