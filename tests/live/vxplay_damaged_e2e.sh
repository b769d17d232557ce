#!/usr/bin/env bash
# Damaged and truncated presentation executables through the native player:
# each ends with a clear message (a dialog, and on standard error) and a
# non-zero exit, never a crash (a signal) or a hang (the timeout). A damaged
# settings trailer is no trailer to the runtime: such a file plays without
# its settings (cases named "plays-"), and must not crash either.
#   vxplay_damaged_e2e.sh VXPLAY VXPACK SOURCE_DIR WORK_DIR
# Every process runs under a timeout; every wait polls a condition.
set -euo pipefail
vxplay=$1 vxpack=$2 src=$3 work=$4
rm -rf "$work"
mkdir -p "$work/cases"
work=$(cd "$work" && pwd)

. "$(dirname "$0")/e2e_lib.sh"

timeout 60 "$vxpack" build "$src/examples/demo" -o "$work/demo.exe" \
  --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

timeout 600 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
display_ready() { [ -s "$work/display" ] && grep -q '^[0-9]' "$work/display"; }
wait_for 10 display_ready
mkdir -p "$work/home/.local/share"
export DISPLAY=":$(head -1 "$work/display")" HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share"

size=$(stat -c %s "$work/demo.exe")
# cut NAME BYTES: the first BYTES of the demo.
cut_at() { head -c "$2" "$work/demo.exe" >"$work/cases/$1.exe"; }
# spoil NAME OFFSET COUNT BYTE: the demo with COUNT bytes from OFFSET set to BYTE.
spoil() {
  cp "$work/demo.exe" "$work/cases/$1.exe"
  head -c "$3" /dev/zero | tr '\0' "\\$4" | dd of="$work/cases/$1.exe" bs=1 seek="$2" conv=notrunc status=none
}
# Header boundaries: nothing, inside the MZ header, at the PE offset, past the
# PE headers; then the resource and trailer regions.
for n in 0 2 64 1024; do cut_at "cut-$n" "$n"; done
for percent in 10 50 90 99; do cut_at "cut-$percent-percent" $((size * percent / 100)); done
cut_at cut-minus-16 $((size - 16))
cut_at plays-cut-minus-1 $((size - 1))
spoil no-mz 0 2 130
spoil pe-header 60 4 377
spoil plays-trailer-end $((size - 16)) 16 377
spoil plays-trailer-zeros $((size - 4)) 4 0
printf 'not a program\n' >"$work/cases/text.exe"
head -c 100000 /dev/zero >"$work/cases/zeros.exe"
mkdir "$work/cases/folder.exe"

# Runs one case; answers every dialog with Enter until the player ends.
# The host window of a presentation that plays is a failure unless the case
# is one that plays: nothing told the person what was wrong.
run_case() {
  local exe=$1 name
  name=$(basename "$exe")
  timeout 30 "$vxplay" "$exe" >"$work/$name.out" 2>&1 &
  local pid=$!
  pids+=("$pid")
  local played=0
  for ((i = 0; i < 200; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    if [ -n "$(timeout 5 xdotool search --onlyvisible --name "^${name//./\\.}\$" 2>/dev/null)" ]; then played=1; break; fi
    for w in $(timeout 5 xdotool search --onlyvisible --name . 2>/dev/null); do
      timeout 5 xdotool windowfocus --sync "$w" key Return 2>/dev/null || true
    done
    sleep 0.1
  done
  if [ "$played" = 1 ] || [[ "$name" == plays-* ]]; then
    local alive=0
    kill -0 "$pid" 2>/dev/null && alive=1
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [[ "$name" == plays-* ]] && [ "$played" = 1 ] && [ "$alive" = 1 ]; then
      echo "$name: plays without its settings"
      return 0
    fi
    echo "$name: $([ "$played" = 1 ] && echo "played as if whole" || echo "did not play")" >&2
    cat "$work/$name.out" >&2
    return 1
  fi
  local rc=0
  wait "$pid" || rc=$?
  if [ "$rc" = 0 ] || [ "$rc" = 124 ] || [ "$rc" -ge 128 ]; then
    echo "$name: exit $rc ($( [ "$rc" = 124 ] && echo hang || echo "no failure reported"))" >&2
    cat "$work/$name.out" >&2
    return 1
  fi
  if ! grep -q '^vxplay: ' "$work/$name.out"; then
    echo "$name: exit $rc without a message on standard error" >&2
    return 1
  fi
  echo "$name: exit $rc: $(head -1 "$work/$name.out")"
}

failed=0
for exe in "$work"/cases/*.exe; do run_case "$exe" || failed=1; done
run_case "$work/cases/missing.exe" || failed=1
exit "$failed"
