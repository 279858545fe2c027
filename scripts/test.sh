#!/usr/bin/env bash
# Sets up, builds and runs every test, headless. Without an argument: the
# default preset's tests, then a minute of the transaction fuzz target.
# With one: only that preset's tests (default or asan), "fuzz" for the
# minute of fuzzing alone, or "win32" for the toolkit-free half built for
# 32-bit Windows and tested under wine (scripts/test-win32.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-}"
if [ -z "$preset" ]; then
  bash scripts/test.sh default
  exec bash scripts/test.sh fuzz
fi
if [ "$preset" = fuzz ]; then
  exec bash scripts/fuzz.sh 60
fi
if [ "$preset" = win32 ]; then
  exec bash scripts/test-win32.sh
fi
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
