#!/usr/bin/env bash
# The native player end to end under a display of its own, one scenario per
# run:
#   mode:    a presentation that changes the display mode to 800 x 600 gets
#            an 800 x 600 virtual screen, scaled into a smaller host window
#            with its aspect kept (black bars left and right).
#   sandbox: a presentation writes a file, a registry value and an INI key;
#            nothing changes outside its data folder (every file the player
#            opens for writing, creates, renames or removes is listed with
#            strace where it is present; $HOME, $TMPDIR and the executable's
#            folder are compared before and after); a second run reads them
#            back.
#   dialogs: the presentation asks for a file (the person types a path
#            outside every folder the player knows) and a colour (the person
#            clicks Select); it gets the Windows path on drive Z, reads the
#            file's text, and the colour; GTK's own state (its settings, the
#            recently used files) is not written in the home either.
#   vxplay_scenarios_e2e.sh SCENARIO VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
scenario=$1 vxplay=$2 vxpack=$3 src=$4 work=$5
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)

. "$(dirname "$0")/e2e_lib.sh"
trap 'echo "failed at line $LINENO: $BASH_COMMAND" >&2' ERR

# pack NAME OUT.exe: the project written to $work/NAME/project.yaml on stdin.
pack() {
  mkdir -p "$work/$1" "$(dirname "$2")"
  cat >"$work/$1/project.yaml"
  timeout 60 "$vxpack" build "$work/$1" -o "$2" --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null
}

# A display number nobody uses: Xvfb picks it and writes it when it is ready.
timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
display_ready() { [ -s "$work/display" ] && grep -q '^[0-9]' "$work/display"; }
wait_for 10 display_ready
number=$(head -1 "$work/display")
# A fresh home as a desktop has it: its data, configuration and cache
# folders, empty. (Without ~/.cache, GLib makes it, empty, when the file
# chooser starts.)
mkdir -p "$work/home/.local/share" "$work/home/.config" "$work/home/.cache" "$work/tmp"
export DISPLAY=":$number" HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" TMPDIR="$work/tmp"
# A desktop has a session bus; without an address GLib would start one for
# the file chooser and make ~/.cache for it. This one answers nobody.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"

mode() {
  pack mode "$work/show/mode.exe" <<'YAML'
title: Mode
key: 5
splash: false
options:
  change-resolution: yes
  resolution: "800x600"
pages:
  - name: Full
    caption: Full
    width: 800
    height: 600
    flags: {centred: yes, frame: 0, window-colour: "20B040"}
YAML
  timeout 120 "$vxplay" --trace "$work/trace.txt" "$work/show/mode.exe" >"$work/vxplay.log" 2>&1 &
  pids+=($!)
  shown() { grep -q '^show ' "$work/trace.txt" 2>/dev/null; }
  wait_for 30 shown
  grep -q '^display mode 1$' "$work/trace.txt" || { echo "no change to the 800 x 600 mode" >&2; exit 1; }
  window() { timeout 5 xdotool search --name '^mode\.exe$' | head -1; }
  has_window() { [ -n "$(window)" ]; }
  wait_for 10 has_window
  wid=$(window)
  # The host window opens at the virtual screen's size.
  timeout 5 xdotool getwindowgeometry "$wid" | grep -q 'Geometry: 800x600' ||
    { echo "the virtual screen is not 800 x 600" >&2; exit 1; }
  # A wide window: the 4:3 screen fills its height (480 x 360 at 80, 0).
  timeout 5 xdotool windowsize "$wid" 640 360
  area() { timeout 10 xwd -silent -id "$wid" | timeout 10 python3 "$here/xwd_area.py" "$@"; }
  # Nearly all: the scaled screen's outermost pixels blend with the bars.
  all() { read -r hits total < <(area "$@"); [ "$total" -gt 0 ] && [ $((hits * 100)) -ge $((total * 97)) ]; }
  sized() { timeout 5 xdotool getwindowgeometry "$wid" | grep -q 'Geometry: 640x360'; }
  wait_for 10 sized
  # The page covers the whole virtual screen, edge to edge, and the bars
  # are black: left, right, and none above or below.
  letterboxed() {
    all 0 0 78 360 any-dark && all 562 0 78 360 any-dark &&
      all 86 3 468 3 green && all 86 354 468 3 green && all 83 6 3 348 green && all 554 6 3 348 green
  }
  wait_for 10 letterboxed || { timeout 10 xwd -silent -id "$wid" >"$work/failed.xwd"; exit 1; }
  timeout 10 xwd -silent -id "$wid" >"$work/letterboxed.xwd"
  echo "vxplay letterboxed the 800 x 600 screen"
}

# Every path the player changed outside the data folder of the presentation
# (NAME, "sandbox" unless given) and the test's own files (the trace), from
# an strace log.
changed_outside() {
  local name=${2:-sandbox}
  local changing='(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat'
  changing+='|truncate|chmod|fchmodat|chown|lchown|fchownat|utime|utimes|utimensat|mknod|mknodat)'
  grep -E "^[0-9]+ +((open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|$changing\()" "$1" |
    grep -v ' = -1 ' | grep -oE '"[^"]*"' | tr -d '"' |
    grep -vE "^($XDG_DATA_HOME/vexorelle(/$name(/.*)?)?$|$work/trace[0-9].txt$|/dev/|/proc/)" || true
}

# Files with their size and time; folders by name (the data folder's parent
# changes its time when the data folder is made in it).
listing() {
  (cd "$1" && find . -path ./.local/share/vexorelle -prune -o \( -type d -printf '%p/\n' \) -o -printf '%p %s %T@\n' |
    sort)
}

sandbox() {
  pack writer "$work/first/sandbox.exe" <<'YAML'
title: Sandbox
key: 6
splash: false
pages:
  - name: Main
    caption: Keeps
    width: 300
    height: 200
    show-script: |
      50("Software\Vexorelle\Sandbox",1)
      102("C:\WINDOWS\sandbox.ini")
      41("C:\note.txt","hello-file")
      53("greeting","hello-reg")
      103("main","word","hello-ini")
      9
YAML
  # The same name in another folder: the same data folder.
  pack reader "$work/second/sandbox.exe" <<'YAML'
title: Sandbox
key: 6
splash: false
pages:
  - name: Main
    caption: Reads
    width: 300
    height: 200
    show-script: |
      50("Software\Vexorelle\Sandbox",1)
      102("C:\WINDOWS\sandbox.ini")
      $f=11("C:\note.txt")
      $r=29("greeting")
      $i=30("main","word")
      41("C:\check-file.txt",$f)
      41("C:\check-reg.txt",$r)
      41("C:\check-ini.txt",$i)
      9
YAML
  local before_home before_tmp before_exe
  before_home=$(listing "$HOME"); before_tmp=$(listing "$TMPDIR"); before_exe=$(listing "$work/first")
  local tracer=()
  if command -v strace >/dev/null; then tracer=(strace -f -qq -o "$work/strace.txt" -e trace=%file,%desc); fi
  timeout 60 "${tracer[@]}" "$vxplay" --trace "$work/trace1.txt" "$work/first/sandbox.exe" >"$work/vxplay1.log" 2>&1 || true
  grep -q '^presentation ended with exit code' "$work/trace1.txt" || { echo "the first run did not end" >&2; exit 1; }
  local data="$XDG_DATA_HOME/vexorelle/sandbox"
  for f in disk/C/NOTE.TXT disk/C/WINDOWS/SANDBOX.INI registry.txt; do
    [ -f "$data/$f" ] || { echo "not kept in the data folder: $f" >&2; exit 1; }
  done
  local outside=""
  if [ -f "$work/strace.txt" ]; then outside=$(changed_outside "$work/strace.txt"); fi
  [ "$(listing "$HOME")" = "$before_home" ] || outside+=$'\n'"$(diff <(echo "$before_home") <(listing "$HOME") || true)"
  [ "$(listing "$TMPDIR")" = "$before_tmp" ] || outside+=$'\n'"$(diff <(echo "$before_tmp") <(listing "$TMPDIR") || true)"
  [ "$(listing "$work/first")" = "$before_exe" ] || outside+=$'\n'"beside the executable"
  if [ -n "${outside//$'\n'/}" ]; then
    echo "changed outside the data folder:" >&2
    echo "$outside" >&2
    exit 1
  fi

  timeout 60 "$vxplay" --trace "$work/trace2.txt" "$work/second/sandbox.exe" >"$work/vxplay2.log" 2>&1 || true
  grep -q '^presentation ended with exit code' "$work/trace2.txt" || { echo "the second run did not end" >&2; exit 1; }
  # The file's text comes back with its line end.
  [ "$(tr -d '\r\n' <"$data/disk/C/CHECK-FILE.TXT")" = hello-file ] || { echo "the file was not read back" >&2; exit 1; }
  [ "$(cat "$data/disk/C/CHECK-REG.TXT")" = hello-reg ] || { echo "the registry value was not read back" >&2; exit 1; }
  [ "$(cat "$data/disk/C/CHECK-INI.TXT")" = hello-ini ] || { echo "the INI key was not read back" >&2; exit 1; }
  echo "vxplay kept the file, the registry value and the INI key in the data folder only"
}

# A visible dialog of the player other than the one given (GTK names an
# untitled dialog after the program).
dialog_other_than() { timeout 5 xdotool search --onlyvisible --name '^vxplay$' 2>/dev/null | grep -vx "${1:-none}" | head -1; }

dialogs() {
  pack dialogs "$work/show/dialogs.exe" <<'YAML'
title: Dialogs
key: 8
splash: false
pages:
  - name: Main
    caption: Asks
    width: 300
    height: 200
    show-script: |
      26("Text|*.txt|All files|*.*")
      41("C:\chosen.txt",$_file)
      $t=11($_file)
      41("C:\chosen-text.txt",$t)
      29(10,200,30)
      41("C:\color.txt",$_color)
      9
YAML
  mkdir -p "$work/outside"
  printf 'outside-text' >"$work/outside/story.txt"
  local before_home
  before_home=$(listing "$HOME")
  local tracer=()
  if command -v strace >/dev/null; then tracer=(strace -f -qq -o "$work/strace.txt" -e trace=%file,%desc); fi
  timeout 120 "${tracer[@]}" "$vxplay" --trace "$work/trace1.txt" "$work/show/dialogs.exe" >"$work/vxplay.log" 2>&1 &
  local pid=$!
  pids+=("$pid")
  has_dialog() { [ -n "$(dialog_other_than)" ]; }
  wait_for 30 has_dialog
  local open
  open=$(dialog_other_than)
  has_other() { [ -n "$(dialog_other_than "$open")" ]; }
  # The location bar may not take the first keys while the chooser is still
  # filling itself: the path is typed again until the chooser answers.
  local tries
  for ((tries = 0; tries < 5; tries++)); do
    timeout 5 xdotool windowfocus --sync "$open" 2>/dev/null || true
    timeout 5 xdotool key ctrl+l || true
    timeout 20 xdotool type --delay 20 "$work/outside/story.txt" || true
    timeout 5 xdotool key Return || true
    if wait_for 8 has_other 2>/dev/null; then break; fi
  done
  wait_for 1 has_other
  local color
  color=$(dialog_other_than "$open")
  # Select is the button in the lower right corner; the dialog may still be
  # placing itself, so the click is repeated until the player goes on.
  ended() { ! kill -0 "$pid" 2>/dev/null; }
  for ((tries = 0; tries < 5; tries++)); do
    eval "$(timeout 5 xdotool getwindowgeometry --shell "$color" 2>/dev/null || echo X=0 Y=0 WIDTH=0 HEIGHT=0)"
    [ "$WIDTH" -gt 0 ] && timeout 5 xdotool mousemove --sync $((X + WIDTH - 45)) $((Y + HEIGHT - 25)) click 1
    if wait_for 8 ended 2>/dev/null; then break; fi
  done
  wait_for 1 ended
  local data="$XDG_DATA_HOME/vexorelle/dialogs/disk/C"
  local want="Z:$(echo "$work/outside/story.txt" | tr '/' '\\')"
  [ "$(cat "$data/CHOSEN.TXT")" = "$want" ] || { echo "chosen: $(cat "$data/CHOSEN.TXT"), not $want" >&2; exit 1; }
  # The text comes back with a line end.
  [ "$(tr -d '\r\n' <"$data/CHOSEN-TEXT.TXT")" = outside-text ] || { echo "the chosen file was not read" >&2; exit 1; }
  [ "$(cat "$data/COLOR.TXT")" = 0AC81E ] || { echo "colour: $(cat "$data/COLOR.TXT")" >&2; exit 1; }
  local outside=""
  if [ -f "$work/strace.txt" ]; then outside=$(changed_outside "$work/strace.txt" dialogs); fi
  [ "$(listing "$HOME")" = "$before_home" ] || outside+=$'\n'"$(diff <(echo "$before_home") <(listing "$HOME") || true)"
  if [ -n "${outside//$'\n'/}" ]; then
    echo "changed outside the data folder:" >&2
    echo "$outside" >&2
    exit 1
  fi
  echo "vxplay answered the file and colour dialogs in the runtime's forms"
}

case "$scenario" in
  mode) mode ;;
  sandbox) sandbox ;;
  dialogs) dialogs ;;
  *) echo "unknown scenario $scenario" >&2; exit 2 ;;
esac
