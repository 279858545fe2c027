#!/usr/bin/env bash
# Installs what building and testing the module needs on Debian 12, when it
# is missing. Run as root (or with sudo available).
set -euo pipefail

packages=(cmake ninja-build g++ gcc-multilib g++-multilib qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  xvfb xdotool openbox pkgconf clang libclang-rt-14-dev lintian)
bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
