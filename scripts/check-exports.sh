#!/usr/bin/env bash
# Reads the export table of each Windows library in a build folder and fails
# on a name missing from it or carrying a stdcall decoration (name@bytes):
# a Windows host looks the functions up by their plain names. The expected
# names are those of the .def files, without the decoration.
# Usage: scripts/check-exports.sh FOLDER-WITH-THE-DLLS
set -euo pipefail
cd "$(dirname "$0")/.."
folder="$1"
objdump="${OBJDUMP:-i686-w64-mingw32-objdump}"

exports_of() {
  "$objdump" -p "$1" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^[[:space:]]*\[ *[0-9]*\] //p'
}

failed=0
checked=0
for def in hostsim/libs/*.def src/entry/vks.def; do
  dll="$folder/$(sed -n 's/^LIBRARY[[:space:]]*//p' "$def")"
  if [ ! -f "$dll" ]; then
    # The module is built only where the toolkit is at hand.
    [ "$def" = src/entry/vks.def ] && continue
    echo "missing library: $dll" >&2; failed=1; continue
  fi
  actual="$(exports_of "$dll")"
  while read -r name; do
    checked=$((checked + 1))
    grep -qxF "$name" <<<"$actual" || { echo "$dll: $name not exported" >&2; failed=1; }
  done < <(sed -n 's/^[[:space:]]\+\([A-Za-z_][A-Za-z0-9_]*\)@[0-9]\+[[:space:]]*$/\1/p' "$def")
  if grep -q '@' <<<"$actual"; then
    echo "$dll: decorated names exported:" >&2; grep '@' <<<"$actual" >&2; failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "export tables: $checked plain names present, none decorated"
exit "$failed"
