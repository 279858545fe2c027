# Sourced by the scripts of this folder: a scratch folder ($work), the
# processes to stop on exit ($pids), and an X server (Xvfb, no window
# manager) on a display it picks itself (-displayfd), named in DISPLAY.
# -noreset: without a window manager the server would reset whenever its
# last client leaves, and refuse the next one for a while.
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
