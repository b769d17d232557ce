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
