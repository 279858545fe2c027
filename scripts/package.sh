#!/usr/bin/env bash
# Builds the Debian package from the default build, installs it into a
# scratch root (no root rights, nothing outside it touched), and proves it:
# the installed vks-host runs one scenario, and a host program builds
# against the installed module through find_package(vks) and through
# pkg-config, and runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
[ -f "$build/CMakeCache.txt" ] || bash scripts/build.sh default
# Only what the package holds; CI has built everything already.
cmake --build "$build" -j "$(nproc)" --target vks vks-host >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/package/vks_*.deb | head -n 1)
echo "package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
export QT_QPA_PLATFORM=offscreen

"$root/usr/bin/vks-host" run examples/installment-payment-cpf.json --offscreen --quiet --out "$root/result.json"
echo "installed vks-host: scenario passed"

cmake -S tests/package -B "$root/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$root/consumer" >/dev/null
"$root/consumer/c_host" "$root/usr/lib/vks/libvks.so"
echo "find_package(vks): host built and ran"

# The .pc files locate everything from where they lie.
export PKG_CONFIG_PATH="$root/usr/lib/pkgconfig"
# shellcheck disable=SC2046
cc -Wall -Wextra -Werror -o "$root/c_host_pc" tests/e2e/c_host.c $(pkg-config --cflags --libs vks-hostsim) -ldl
"$root/c_host_pc" "$(pkg-config --variable=module vks)"
echo "pkg-config vks-hostsim: host built and ran"
