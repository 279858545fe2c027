#!/usr/bin/env bash
# Runs the scenarios of this folder on a real X server (Xvfb), with or
# without a window manager, the cashier's keys sent by xdotool from outside
# the process, as a keyboard would. Usage: run.sh VKS_HOST bare|openbox
set -euo pipefail
host="$1"
wm="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/xvfb.sh"
if [ "$wm" = openbox ]; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

# Waits until the module's first screen is mapped, then types the keys.
send_keys() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name . >/dev/null 2>&1 && break
    sleep 0.1
  done
  sleep 1
  while read -r verb rest; do
    case "$verb" in
      type) xdotool type --delay 40 "$rest" ;;
      key) xdotool key "$rest" ;;
      sleep) sleep "$rest" ;;
    esac
    sleep 0.2
  done <"$1"
}

failed=0
for scenario in "$here"/*.json; do
  name="$(basename "$scenario" .json)"
  send_keys "$here/$name.keys" &
  keys=$!
  if QT_QPA_PLATFORM=xcb "$host" run "$scenario" --quiet --timeout 20 >"$work/$name.out" 2>&1; then
    echo "PASS $name ($wm)"
  else
    echo "FAIL $name ($wm)"
    cat "$work/$name.out"
    failed=1
  fi
  kill "$keys" 2>/dev/null || true
  wait "$keys" 2>/dev/null || true
done
exit "$failed"
