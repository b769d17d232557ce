#!/usr/bin/env bash
# The demo's web page in the native player under a display of its own: real
# clicks go from the welcome page through the shapes and media pages to the
# web page; its browser pane, hidden until then, shows the embedded lesson
# page (its dark text on white at the pane's place) and a click on the
# page's "vx:" link (found by its link colour) runs the pane's address
# script, whose text shows.
#   vxplay_demo_web_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
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
# (191, 166) (as the greeting test finds them). The buttons to the next
# page: Shapes at (510, 360) on the welcome page, Media at (496, 360) on the
# shapes page, Web page at (496, 360) on the media page, each 30 high.
# The web page's pane loads its page at the start, hidden with its page:
# nothing of it (no link colour) shows over the welcome page.
wait_for 15 traced '^browser on VX_APPLICATION_FORM6: navigate complete file:///C:/.*/lesson\.htm$'
timeout 10 xwd -silent -id "$wid" >"$work/welcome.xwd"
read -r blue _ < <(timeout 10 python3 "$here/xwd_area.py" 191 166 640 420 blue <"$work/welcome.xwd")
[ "${blue:-1}" -eq 0 ] || { echo "the hidden page's pane shows over the welcome page" >&2; exit 1; }

go 756 541 shapes VX_APPLICATION_FORM3
go 747 541 media VX_APPLICATION_FORM5
go 747 541 web VX_APPLICATION_FORM6

# The pane: (191 + 24, 166 + 56), 592 x 280; the "said" text below it at
# (191 + 24, 166 + 340), 400 x 20.
shoot() { timeout 10 xwd -silent -id "$wid" >"$work/shot.xwd" 2>/dev/null; }
count() { timeout 10 python3 "$here/xwd_area.py" "$@" <"$work/shot.xwd" 2>/dev/null || echo "0 1"; }
page_text_shows() {
  shoot || return 1
  local dark white
  read -r dark _ < <(count 215 222 592 280 any-dark)
  # Dark text on the page's white: some hundreds of pixels, far from all.
  [ "${dark:-0}" -gt 300 ] && [ "$dark" -lt 40000 ]
}
wait_for 15 page_text_shows
said_shows() { shoot && read -r dark _ < <(count 215 506 400 20 any-dark) && [ "${dark:-0}" -gt 30 ]; }
if said_shows; then echo "the address script's text shows before the link is clicked" >&2; exit 1; fi
cp "$work/shot.xwd" "$work/web.xwd"

# The "vx:" link: the lowest link-coloured text in the pane.
link=$(timeout 10 python3 - "$here" "$work/web.xwd" <<'EOF2'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_area import pixels
width, height, at = pixels(open(sys.argv[2], "rb").read())
# Rows of link colour, in clusters (a line of link text and its underline).
top = left = last = None
for y in range(222, 222 + 280):
    xs = [x for x in range(215, 215 + 592) if (lambda p: p[2] > 150 and p[2] > p[0] + 80 and p[2] > p[1] + 80)(at(x, y))]
    if not xs:
        continue
    if last is None or y > last + 2:
        top, left = y, xs[0]
    left, last = min(left, xs[0]), y
if top is None:
    raise SystemExit("no link on the page")
print(left + 6, (top + last) // 2)
EOF2
)
read -r lx ly <<<"$link"
timeout 5 xdotool mousemove "$lx" "$ly" click 1
wait_for 10 traced '^script VEXORELLE_NEW_BROWSERBeforeNavigate2 OBJlesson'
wait_for 10 said_shows
if grep -q '^error' "$work/trace.txt"; then grep '^error' "$work/trace.txt" >&2; exit 1; fi
if grep -q '^browser on .*: navigate vx:' "$work/trace.txt"; then echo "the vx: link was loaded" >&2; exit 1; fi
echo "vxplay showed the demo's web page and its vx: link ran the address script"
