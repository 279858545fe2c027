#!/usr/bin/env bash
# A host without Qt on a real X server (Xvfb, no window manager): the module
# proves the display usable in a child process, creates its own application
# object on it and runs its screens. Usage: c-host.sh VKS_C_HOST LIBVKS
set -euo pipefail
work="$(mktemp -d)"
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb "$1" "$2"
