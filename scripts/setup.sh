#!/usr/bin/env bash
# Installs what building and testing the module needs on Debian 12, when it
# is missing. Run as root (or with sudo available).
set -euo pipefail

packages=(cmake ninja-build g++ gcc-multilib g++-multilib qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
  xvfb xdotool openbox pkgconf clang libclang-rt-14-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
