# Sourced by the tests that run the real program: a temporary folder `work`, the list `pids` of
# what they start (ended on exit, with the folder removed), and start_x_server, which starts a
# private Xvfb on a free display number and exports DISPLAY.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

start_x_server() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
}
