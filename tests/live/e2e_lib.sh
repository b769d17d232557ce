# Sourced by the native player's end-to-end scripts: the background
# processes a script starts (add their pids to "pids") end with it, and
# waits poll a condition with a limit instead of sleeping a fixed time.

pids=()
e2e_cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap e2e_cleanup EXIT

# wait_for SECONDS COMMAND...: polls every 0.1 s.
wait_for() {
  local tenths=$(($1 * 10)); shift
  for ((i = 0; i < tenths; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  echo "timed out waiting for: $*" >&2
  return 1
}

# play_demo: the demo ($src/examples/demo, packed with $vxpack) played by
# $vxplay on a display of the test's own, its trace in $work/trace.txt;
# sets wid to the host window. With it come traced PATTERN (the trace has
# a line matching) and go X Y BUTTON FORM (a click on a page button, then
# its script runs and FORM shows).
play_demo() {
  timeout 60 "$vxpack" build "$src/examples/demo" -o "$work/demo.exe" \
    --player "$src/tests/fuzz/corpus/pe_resources/bare.exe" >/dev/null

  timeout 300 Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  wait_for 10 test -s "$work/display"
  local number
  number=$(head -1 "$work/display")
  wait_for 10 test -e "/tmp/.X11-unix/X$number"
  export DISPLAY=":$number" XDG_DATA_HOME="$work/data" HOME="$work/home" VX_AUDIO_SINK="fakesink sync=true"

  timeout 90 "$vxplay" --trace "$work/trace.txt" "$work/demo.exe" >"$work/vxplay.log" 2>&1 &
  pids+=($!)
  wait_for 30 traced '^show VX_APPLICATION_FORM1'
  wait_for 10 demo_window_shows
  wid=$(demo_window)
}
traced() { grep -q "$1" "$work/trace.txt" 2>/dev/null; }
demo_window() { timeout 5 xdotool search --name '^demo\.exe$' | head -1; }
demo_window_shows() { [ -n "$(demo_window)" ]; }
go() {
  timeout 5 xdotool mousemove "$1" "$2" click 1
  wait_for 10 traced "^script VEXORELLE_NEW_BUTTONClick OBJ$3 "
  wait_for 10 traced "^show $4\$"
}
