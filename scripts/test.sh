#!/usr/bin/env bash
# Sets up, builds and runs every test of one preset (default or asan),
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
bash scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
