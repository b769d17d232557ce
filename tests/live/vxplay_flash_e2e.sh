#!/usr/bin/env bash
# The native player's Flash movies end to end under a display of its own: a
# presentation made here plays a movie the test writes (a minimal SWF: one
# frame whose action sends the FS command "hello" with "world") in the
# Ruffle web player. A screenshot shows the stage in the control's
# background colour at the movie's place; the FS command reaches its script
# with what the movie sent. Without the web player, the same presentation
# runs with the movie left out.
#   vxplay_flash_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/project" "$work/home/.cache" "$work/no-player"

. "$(dirname "$0")/e2e_lib.sh"

# The movie: an uncompressed SWF 6, 200 x 150 (in twips), 12 frames a
# second, one frame: a red background, a DoAction with getURL
# "FSCommand:hello" "world", ShowFrame, End.
python3 - "$work/project/movie.swf" <<'EOF2'
import struct, sys
def rect(values, n):
    bits = format(n, "05b") + "".join(format(v, "0%db" % n) for v in values)
    bits += "0" * (-len(bits) % 8)
    return bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
def tag(code, body=b""):
    return struct.pack("<H", (code << 6) | len(body)) + body
url = b"FSCommand:hello\0world\0"
body = rect([0, 4000, 0, 3000], 14) + struct.pack("<HH", 12 << 8, 1)
body += tag(9, bytes([0xE0, 0x10, 0x10]))
body += tag(12, b"\x83" + struct.pack("<H", len(url)) + url + b"\0") + tag(1) + tag(0)
open(sys.argv[1], "wb").write(b"FWS\x06" + struct.pack("<I", 8 + len(body)) + body)
EOF2
cat >"$work/project/project.yaml" <<'EOF2'
title: Flash check
key: 23
splash: false
options:
  extract-all-embedded: yes
embedded: [movie.swf]
pages:
  - name: Stage
    caption: Flash check
    width: 400
    height: 300
    flags: {centred: yes, frame: 0, window-colour: "F0F0F0"}
    objects:
      - flash: movie
        bounds: [20, 20, 200, 150]
        movie: "[embed]movie.swf"
        background: "10C010"
        playing: yes
        fs-command-script: |
          41("C:\fs.txt",$_command+" "+$_args)
EOF2
timeout 60 "$vxpack" build "$work/project" -o "$work/flash.exe" \
  --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display"
number=$(head -1 "$work/display")
wait_for 10 test -e "/tmp/.X11-unix/X$number"
export DISPLAY=":$number" XDG_DATA_HOME="$work/data" HOME="$work/home"

traced() { grep -q "$2" "$1" 2>/dev/null; }

# Without the web player: the movie is left out and the page shows.
VX_RUFFLE_DIR="$work/no-player" timeout 60 "$vxplay" --trace "$work/trace-none.txt" "$work/flash.exe" \
  >"$work/vxplay-none.log" 2>&1 &
without=$!
pids+=($without)
wait_for 20 traced "$work/trace-none.txt" '^show VX_APPLICATION_FORM1'
grep -q '^flash movie left out: no Flash player$' "$work/trace-none.txt" ||
  { echo "the movie was not left out without a player" >&2; exit 1; }
kill "$without"
wait "$without" 2>/dev/null || true

timeout 60 "$vxplay" --trace "$work/trace.txt" "$work/flash.exe" >"$work/vxplay.log" 2>&1 &
player=$!
pids+=($player)
wait_for 20 traced "$work/trace.txt" '^show VX_APPLICATION_FORM1'
window() { timeout 5 xdotool search --onlyvisible --name '^flash\.exe$' | head -1; }
has_window() { [ -n "$(window)" ]; }
wait_for 10 has_window
wid=$(window)

# The stage at the movie's place: (312 + 20, 234 + 20), 200 x 150, in the
# control's background colour (the movie's own red gives way to it, as in
# the Flash control); nothing green beside it.
checks=(332 254 200 150 green  312 234 20 300 green  332 404 200 60 green)
shoot() {
  timeout 10 xwd -silent -id "$wid" >"$work/shot.xwd" 2>/dev/null &&
    timeout 10 python3 "$here/xwd_area.py" "${checks[@]}" <"$work/shot.xwd" >"$work/counts" 2>/dev/null
}
share() { sed -n "${1}p" "$work/counts"; }
most() { local hits total; read -r hits total < <(share "$1"); [ "${hits:-0}" -gt $((${total:-1} * 9 / 10)) ]; }
none() { local hits total; read -r hits total < <(share "$1"); [ "${hits:-1}" -eq 0 ]; }
stage_shows() { shoot && most 1; }
wait_for 15 stage_shows || { echo "the stage did not show" >&2; exit 1; }
none 2 && none 3 || { echo "the stage shows outside the movie's place" >&2; exit 1; }

# The movie's FS command runs its script.
wait_for 15 traced "$work/trace.txt" '^script ShockwaveFlashEx1FSCommand OBJmovie'
grep -q '^flash on .*: fscommand hello world$' "$work/trace.txt" || { echo "the FS command lost its text" >&2; exit 1; }
if grep -q '^error' "$work/trace.txt"; then grep '^error' "$work/trace.txt" >&2; exit 1; fi
echo "vxplay played the movie in the web player and its FS command ran the script"
