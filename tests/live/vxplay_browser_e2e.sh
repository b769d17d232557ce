#!/usr/bin/env bash
# The native player's browser pane end to end under a display of its own: a
# presentation made here shows an embedded page (extracted, so it exists on
# the virtual disk only) in a pane; a file it names outside the extraction
# folder is refused. A screenshot shows the page's colours at
# the pane's place; a click on a link the before-navigate script cancels
# leaves the page where it is; the host window at half the size shows the
# pane at its scaled place, zoomed; a click on a "vx:" link runs the pane's
# address script, which writes what the link said and ends the presentation.
# Under strace (when present), neither the player nor WebKit's processes
# write anything outside the presentation's data folder.
#   vxplay_browser_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/project" "$work/home/.cache"

. "$(dirname "$0")/e2e_lib.sh"

# The page: a green link on top, a blue "vx:" link below it, red beneath.
cat >"$work/project/page.htm" <<'EOF2'
<html><head><title>Pane page</title></head>
<body style="margin:0; background:#E01010">
<a href="other.htm" style="display:block; height:60px; background:#10C010">other</a>
<a href="vx:hello-pane" style="display:block; height:60px; background:#1010E0">vx link</a>
<img src="../../WINDOWS/win.ini" width="1" height="1" alt="">
</body></html>
EOF2
cat >"$work/project/other.htm" <<'EOF2'
<html><body style="margin:0; background:#10C010">other page</body></html>
EOF2
# Once the first page is there, every navigation is cancelled.
cat >"$work/project/project.yaml" <<'EOF2'
title: Browser check
key: 23
splash: false
options:
  extract-all-embedded: yes
embedded: [page.htm, other.htm]
pages:
  - name: Pane
    caption: Browser check
    width: 400
    height: 300
    flags: {centred: yes, frame: 0, window-colour: "F0F0F0"}
    objects:
      - browser: pane
        bounds: [20, 20, 300, 200]
        start-page: "[embed]page.htm"
        before-navigate-script: |
          !_cancel=#block
        navigate-complete-script: |
          #block=1
        address-script: |
          41("C:\vx.txt",$_vx)
          9
EOF2
timeout 60 "$vxpack" build "$work/project" -o "$work/browser.exe" \
  --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 test -s "$work/display"
number=$(head -1 "$work/display")
wait_for 10 test -e "/tmp/.X11-unix/X$number"
export DISPLAY=":$number" XDG_DATA_HOME="$work/data" HOME="$work/home"
# The drivers' shader caches go where the player puts them.
unset MESA_SHADER_CACHE_DIR MESA_GLSL_CACHE_DIR __GL_SHADER_DISK_CACHE_PATH

tracer=()
if command -v strace >/dev/null; then tracer=(strace -f -qq -o "$work/strace.txt" -e trace=%file,%desc); fi
timeout 60 "${tracer[@]}" "$vxplay" --trace "$work/trace.txt" "$work/browser.exe" >"$work/vxplay.log" 2>&1 &
player=$!
pids+=($player)
traced() { grep -q "$1" "$work/trace.txt" 2>/dev/null; }
wait_for 20 traced '^show VX_APPLICATION_FORM1'
window() { timeout 5 xdotool search --onlyvisible --name '^browser\.exe$' | head -1; }
has_window() { [ -n "$(window)" ]; }
wait_for 10 has_window
wid=$(window)

# The page was asked for, came from the virtual disk and arrived; what it
# asked for outside the extraction folder was refused.
wait_for 10 traced '^script VEXORELLE_NEW_BROWSERNavigateComplete2'
grep -q '^browser on .*: navigate complete file:///C:/.*/page\.htm$' "$work/trace.txt" ||
  { echo "the pane did not report its page" >&2; exit 1; }
wait_for 10 traced '^browser cannot load file:///C:/WINDOWS/win\.ini: not a page of the presentation$'

# No window manager: the host window is at (0, 0) at the virtual screen's
# size (1024 x 768) and the frameless 400 x 300 page is centred, so the pane
# is at (312 + 20, 234 + 20), 300 x 200. Below the two 60-pixel links, red.
# A screenshot and, in one read of it, the areas the checks need: below the
# links (red), the first link (green), left of the pane and below it (no
# red: nothing of the page outside the pane). Each check: "most" is nine
# tenths of the area, "none" no pixel at all.
checks=(332 384 300 70 red  332 254 300 60 green  312 234 20 300 red  332 454 300 80 red)
shoot() {
  timeout 10 xwd -silent -id "$wid" >"$work/shot.xwd" 2>/dev/null &&
    timeout 10 python3 "$here/xwd_area.py" "${checks[@]}" <"$work/shot.xwd" >"$work/counts" 2>/dev/null
}
share() { sed -n "${1}p" "$work/counts"; }
most() { local hits total; read -r hits total < <(share "$1"); [ "${hits:-0}" -gt $((${total:-1} * 9 / 10)) ]; }
none() { local hits total; read -r hits total < <(share "$1"); [ "${hits:-1}" -eq 0 ]; }
page_shows() { shoot && most 1; }
wait_for 10 page_shows
most 2 || { echo "the page's first link is not at the pane's top" >&2; exit 1; }
none 3 && none 4 || { echo "the page shows outside the pane" >&2; exit 1; }
cp "$work/shot.xwd" "$work/page.xwd"

# The green link: the before-navigate script cancels it; the page stays.
timeout 5 xdotool mousemove --window "$wid" 482 284 click 1
wait_for 10 traced '^browser on .*: navigation to file:///C:/.*/other\.htm cancelled$'
shoot && most 1 && most 2 || { echo "the cancelled navigation left the page" >&2; exit 1; }

# Half the size: the pane follows the letterbox to (166, 127), 150 x 100,
# and its page is zoomed with it (the 60-pixel links are 30 high).
timeout 5 xdotool windowsize "$wid" 512 384
checks=(166 192 150 30 red  166 128 150 26 green  0 0 160 384 red  322 0 190 384 red)
scaled() { shoot && most 1 && most 2 && none 3 && none 4; }
wait_for 10 scaled || { echo "the pane did not follow the scaled screen" >&2; exit 1; }

# The "vx:" link: its address script runs with what the link says.
timeout 5 xdotool mousemove --window "$wid" 241 172 click 1
wait_for 10 traced '^presentation ended with exit code'
wait "$player" || true
said="$work/data/vexorelle/browser/disk/C/VX.TXT"
[ "$(cat "$said" 2>/dev/null)" = hello-pane ] || { echo "the vx: link did not reach its script" >&2; exit 1; }
if grep -q '^error' "$work/trace.txt"; then grep '^error' "$work/trace.txt" >&2; exit 1; fi
if [ -f "$work/strace.txt" ]; then
  changing='(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat'
  changing+='|truncate|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|mknod|mknodat)'
  outside=$(grep -E "^[0-9]+ +((open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|$changing\()" "$work/strace.txt" |
    grep -v ' = -1 ' | grep -oE '"[^"]*"' | tr -d '"' |
    grep -vE "^($XDG_DATA_HOME(/vexorelle(/browser(/.*)?)?)?|$work/trace.txt|$HOME/.cache|/dev/.*|/proc/.*)$" || true)
  [ -z "$outside" ] || { echo "written outside the data folder:" >&2; echo "$outside" | sort -u >&2; exit 1; }
fi
echo "vxplay showed the page in its pane, cancelled a navigation and ran the vx: link's script"
