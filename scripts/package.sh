#!/usr/bin/env bash
# Builds the Debian packages (libvks, vks-hostsim, libvks-dev) from the
# default build, checks them with lintian when it is installed, unpacks them
# into a scratch root (no root rights, nothing outside it touched) and proves
# them there:
#   - the module alone does not reach the simulated host libraries: loading
#     it fails naming libKovar.so;
#   - the installed vks-host runs an installed example;
#   - the installed headers are C89-clean and their export pointer types
#     match the exports;
#   - a host program builds against the installed files through
#     find_package(vks) and through pkg-config, and runs.
# The installed files name /usr/lib/vks-hostsim by absolute path; in the
# scratch root LD_LIBRARY_PATH stands in for it, the one way to ask for the
# simulated libraries from outside.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/default
[ -f "$build/CMakeCache.txt" ] || bash scripts/build.sh default
# Only what the packages hold; CI has built everything already.
cmake --build "$build" -j "$(nproc)" --target vks vks-host vks_package_files >/dev/null
rm -f "$build"/package/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/package/*.deb)
printf 'package: %s\n' "${debs[@]}"

if command -v lintian >/dev/null; then
  # Informational tags are left: no bind-now, no fortified functions and a
  # .comment section, which only a dpkg-buildflags build would change.
  status=0
  report=$(lintian --fail-on error,warning "${debs[@]}" 2>&1) || status=$?
  grep -v "running with root privileges" <<<"$report" || true
  [ "$status" -eq 0 ] || { echo "lintian: errors or warnings" >&2; exit 1; }
  echo "lintian: no errors or warnings"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root" # readable by the unprivileged user of check-unprivileged.sh
for deb in "${debs[@]}"; do dpkg-deb -x "$deb" "$root"; done
export QT_QPA_PLATFORM=offscreen
module="$root/usr/lib/vks/libvks.so"
hostsim="$root/usr/lib/vks-hostsim"

# A client that has not loaded its host libraries is told which one is missing.
printf '%s\n' '#include <dlfcn.h>' '#include <stdio.h>' \
  'int main(int argc, char** argv) { (void)argc; if (dlopen(argv[1], RTLD_NOW)) return 1; puts(dlerror()); return 0; }' \
  | cc -x c -o "$root/load_alone" - -ldl
reason=$("$root/load_alone" "$module") || { echo "the module loaded without the host libraries" >&2; exit 1; }
grep -q 'libKovar\.so' <<<"$reason" || { echo "unclear refusal: $reason" >&2; exit 1; }
echo "module alone: refused ($reason)"

LD_LIBRARY_PATH="$hostsim" "$root/usr/bin/vks-host" run "$root/usr/share/doc/vks-hostsim/examples/installment-payment-cpf.json" \
  --offscreen --quiet --out "$root/result.json"
echo "installed vks-host: installed example passed"
if [ -f scripts/check-unprivileged.sh ]; then
  # 77: skipped (not root, or the tree is out of the user's reach), said on
  # standard error; anything else is a failure.
  status=0
  LD_LIBRARY_PATH="$hostsim" bash scripts/check-unprivileged.sh "$root/usr/bin/vks-host" || status=$?
  [ "$status" = 0 ] || [ "$status" = 77 ] || exit "$status"
fi

cc -std=c89 -pedantic -Wall -Wextra -Werror -fsyntax-only -I"$root/usr/include" tests/package/headers_c89.c
echo "installed headers: C89-clean, export pointer types match"

cmake -S tests/package -B "$root/consumer" -G Ninja -DCMAKE_PREFIX_PATH="$root/usr" >/dev/null
cmake --build "$root/consumer" >/dev/null
LD_LIBRARY_PATH="$hostsim" "$root/consumer/c_host" "$module"
echo "find_package(vks): host built and ran"

# The .pc files name /usr; pkg-config puts the scratch root before it.
export PKG_CONFIG_SYSROOT_DIR="$root"
PKG_CONFIG_LIBDIR="$root/usr/lib/$(gcc -print-multiarch)/pkgconfig"
export PKG_CONFIG_LIBDIR
# shellcheck disable=SC2046
cc -Wall -Wextra -Werror -o "$root/c_host_pc" tests/e2e/c_host.c $(pkg-config --cflags --libs vks-hostsim) -ldl
LD_LIBRARY_PATH="$hostsim" "$root/c_host_pc" "$(pkg-config --variable=module vks)"
echo "pkg-config vks-hostsim: host built and ran"
