#!/usr/bin/env bash
# Sets up, builds and runs every test, headless. Without an argument: the
# default preset's tests, then a minute of the transaction fuzz target.
# With one: only that preset's tests (default or asan), or "fuzz" for the
# minute of fuzzing alone.
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
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
