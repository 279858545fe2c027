#!/usr/bin/env bash
# A host without Qt on a real X server (Xvfb, no window manager): the module
# proves the display usable in a child process, creates its own application
# object on it and runs its screens. Usage: c-host.sh VKS_C_HOST LIBVKS
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
QT_QPA_PLATFORM=xcb "$1" "$2"
