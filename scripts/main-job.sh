#!/usr/bin/env bash
# The main job: an installment payment by CPF through the simulated EFT
# client, printing what the module handed the host. Pass another scenario
# file to run that one instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-examples/installment-payment-cpf.json}"
bash scripts/build.sh default
display=()
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || display=(--offscreen)
build/default/bin/vks-host run "$scenario" "${display[@]}" --summary
