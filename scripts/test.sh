#!/usr/bin/env bash
# Sets up, builds and runs every test of one preset (default or asan),
# headless; "fuzz" builds the fuzz target and runs it for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
if [ "$preset" = fuzz ]; then
  exec bash scripts/fuzz.sh 60
fi
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
