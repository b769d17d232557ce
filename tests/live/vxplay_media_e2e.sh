#!/usr/bin/env bash
# The native player's sounds and videos end to end under a display of its
# own: a presentation made here, whose page plays a sound and a video as it
# shows, each made with GStreamer's own encoders (gst-launch-1.0). A
# screenshot during playback shows the video's red frames at the video's
# place, and both finish scripts run. The sound goes to a null sink that
# keeps real time (VX_AUDIO_SINK).
#   vxplay_media_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR SOUND_KIND VIDEO_KIND
#   SOUND_KIND: wav | mp3      VIDEO_KIND: mjpeg | wmv
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4 sound=$5 video=$6
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/project"

. "$(dirname "$0")/e2e_lib.sh"

# The media: a 1.5 s tone and a 4 s red clip, 160 x 120 at 10 frames a second.
case $sound in
  wav) tone=tone.wav encode="wavenc" ;;
  mp3) tone=tone.mp3 encode="lamemp3enc ! id3v2mux" ;;
  *) echo "unknown sound kind $sound" >&2; exit 2 ;;
esac
case $video in
  mjpeg) codec="jpegenc" ;;
  wmv) codec="avenc_wmv2" ;;
  *) echo "unknown video kind $video" >&2; exit 2 ;;
esac
# shellcheck disable=SC2086
timeout 60 gst-launch-1.0 -q audiotestsrc num-buffers=65 samplesperbuffer=1024 freq=660 \
  ! audio/x-raw,rate=44100,channels=1 ! audioconvert ! $encode ! filesink location="$work/project/$tone" >/dev/null
# shellcheck disable=SC2086
timeout 60 gst-launch-1.0 -q videotestsrc num-buffers=40 pattern=red \
  ! video/x-raw,width=160,height=120,framerate=10/1 ! videoconvert ! $codec ! avimux \
  ! filesink location="$work/project/clip.avi" >/dev/null

cat >"$work/project/project.yaml" <<EOF
title: Media check
key: 23
splash: false
options:
  extract-all-embedded: yes
embedded: [$tone, clip.avi]
pages:
  - name: Media
    caption: Media check
    width: 400
    height: 300
    flags: {centred: yes, frame: 0, window-colour: "F0F0F0"}
    show-script: |
      10("tone","").54
      10("clip","").4(1)
      10("clip","").54
    objects:
      - sound: tone
        file: "[embed]$tone"
        volume: 10000
        finish-script: |
          10("said","").12("tone done")
      - video: clip
        bounds: [40, 40, 160, 120]
        file: "[embed]clip.avi"
        volume: 10000
        finish-script: |
          10("said","").12("clip done")
      - text: said
        bounds: [220, 40, 160, 20]
        caption: ""
EOF
timeout 60 "$vxpack" build "$work/project" -o "$work/media.exe" \
  --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

# A display number of the server's own choosing: other tests may hold theirs.
timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display"
number=$(head -1 "$work/display")
wait_for 10 test -e "/tmp/.X11-unix/X$number"
export DISPLAY=":$number" XDG_DATA_HOME="$work/data" HOME="$work" VX_AUDIO_SINK="fakesink sync=true"

started=$(date +%s%N)
timeout 120 "$vxplay" --trace "$work/trace.txt" "$work/media.exe" >"$work/vxplay.log" 2>&1 &
pids+=($!)
traced() { grep -q "$1" "$work/trace.txt" 2>/dev/null; }
wait_for 30 traced '^show VX_APPLICATION_FORM1'
window() { timeout 5 xdotool search --onlyvisible --name '^media\.exe$' | head -1; }
has_window() { [ -n "$(window)" ]; }
wait_for 10 has_window
wid=$(window)

# Both files rendered for real (a failure would say "media cannot render").
wait_for 10 traced "^media render .*$tone [0-9]* ms"
wait_for 10 traced '^media render .*clip.avi [0-9]* ms'
if traced '^media cannot'; then echo "a file did not play:" >&2; grep '^media' "$work/trace.txt" >&2; exit 1; fi

# No window manager: the host window is at (0, 0) at the virtual screen's
# size (1024 x 768) and the frameless 400 x 300 page is centred in it, so the
# video's place is (312 + 40, 234 + 40), 160 x 120.
area() { timeout 10 xwd -silent -id "$wid" 2>/dev/null | timeout 10 python3 "$here/xwd_area.py" "$@" 2>/dev/null; }
# hits of the family in the area, and the area's pixels; "0 1" when no
# screenshot could be read.
count() { local out; out=$(area "$@") || out="0 1"; echo "${out:-0 1}"; }
video_shows() { read -r hits total < <(count 352 274 160 120 red); [ "$hits" -gt $((total * 8 / 10)) ]; }
beside_is_clear() { read -r hits total < <(count 312 234 38 120 red); [ "$hits" -eq 0 ]; }
wait_for 10 video_shows
beside_is_clear || { echo "red beside the video's place" >&2; exit 1; }
timeout 10 xwd -silent -id "$wid" >"$work/playing.xwd"

# Both play to their ends and their finish scripts run.
wait_for 20 traced '^script VEXORELLE_NEW_SOUNDGraphComplete'
wait_for 20 traced '^script VEXORELLE_NEW_GRAPHGraphComplete'
elapsed=$(( ($(date +%s%N) - started) / 1000000 ))
# In real time: the clip lasts 4 s.
if [ "$elapsed" -lt 3500 ]; then echo "the clip ended after $elapsed ms only" >&2; exit 1; fi
echo "vxplay played the $sound sound and the $video video"
