#!/usr/bin/env bash
# The main job: an installment payment by CPF through the simulated EFT
# client, printing what the module handed the host. Pass another scenario
# file to run that one instead. Builds only what the run needs: the module,
# the replacement host libraries and vks-host (no tests, no benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
scenario="${1:-examples/installment-payment-cpf.json}"
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target vks vks-host
display=()
[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || display=(--offscreen)
build/default/bin/vks-host run "$scenario" "${display[@]}" --summary
