#!/usr/bin/env bash
# The client window takes the keyboard on an X server without a window
# manager: at start, after each file dialog and after a run of the module's
# screens. The keys come from xdotool, as a keyboard's would, and what holds
# the keyboard is asked of the X server. Usage: window-focus.sh VKS_HOST SCENARIO
set -euo pipefail
host="$1"
scenario="$2"
source "$(dirname "$0")/xvfb.sh"

QT_QPA_PLATFORM=xcb "$host" open "$scenario" >"$work/host.out" 2>&1 &
pids+=($!)
title="vks-host - $(basename "$scenario")"

focused() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }
# Waits up to 10 s until the window named $1 has the keyboard ($2: when).
has_keyboard() {
  for _ in $(seq 100); do
    [ "$(focused)" = "$1" ] && return 0
    sleep 0.1
  done
  echo "FAIL $2: the keyboard is on \"$(focused)\", not \"$1\""
  cat "$work/host.out"
  exit 1
}
# Waits until the keyboard has left the window named $1 ($2: for what).
leaves() {
  for _ in $(seq 100); do
    [ "$(focused)" != "$1" ] && return 0
    sleep 0.1
  done
  echo "FAIL $2 never took the keyboard"
  exit 1
}

has_keyboard "$title" "at start"
for dialog in "ctrl+o:Open scenario" "ctrl+s:Save scenario"; do
  xdotool key "${dialog%%:*}"
  has_keyboard "${dialog#*:}" "in the dialog"
  xdotool key Escape
  has_keyboard "$title" "after the dialog ${dialog#*:}"
done
# Run (F5) plays the scenario's steps on the module's screens.
xdotool key F5
leaves "$title" "the module's screen"
has_keyboard "$title" "after the run"
echo "PASS the client window takes the keyboard without a window manager"
