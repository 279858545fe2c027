#!/usr/bin/env bash
# Regenerates docs/screens.md and its pictures: runs the scenarios of
# docs/screens/scenarios (each opens one screen, takes its picture, makes it
# refuse what was typed, takes another with the message box up, and
# cancels) and the examples (for the fields each screen writes), then writes
# the page; and the picture of the client window.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/default/bin/vks-host ] || bash scripts/build.sh default
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -f docs/screens/*.png
build/default/bin/vks-host run docs/screens/scenarios --offscreen --shots "$work" --out "$work/gallery.json"
build/default/bin/vks-host run examples --offscreen --out "$work/examples.json" >/dev/null
cp "$work"/*.png docs/screens/
# The client window, as README shows it.
cmake --build build/default --target vks-window-picture >/dev/null
build/default/bin/vks-window-picture examples/installment-payment-cpf.json docs/client-window.png
python3 scripts/screen-gallery.py "$work" > docs/screens.md
echo "docs/screens.md: $(ls docs/screens/*.png | wc -l) pictures"
