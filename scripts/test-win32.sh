#!/usr/bin/env bash
# The toolkit-free half on 32-bit Windows: installs Debian's MinGW-w64 cross
# compiler and 32-bit wine when missing, builds the win32 preset (host
# libraries, simulator, their tests, the C host), checks the libraries'
# export tables and runs the tests under wine. Wine runs quietly, in a prefix
# of its own under the build folder, with one server kept up for the whole
# run, and every step has a time limit.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++-mingw-w64-i686 wine wine32:i386 libgtest-dev cmake ninja-build)
# 32-bit wine comes from the i386 architecture.
bash scripts/install-missing.sh "${packages[@]}"

cmake --preset win32 >/dev/null
timeout 1200 cmake --build --preset win32 -j "$(nproc)"
bash scripts/check-exports.sh build/win32/bin

export WINEDEBUG=-all WINEARCH=win32 WINEPREFIX="$PWD/build/win32/wine"
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer prompts
mkdir -p "$WINEPREFIX"
wineserver --persistent=120
trap 'wineserver --kill >/dev/null 2>&1 || true' EXIT
timeout 300 wineboot --init >/dev/null 2>&1
timeout 600 ctest --preset win32
