#!/usr/bin/env bash
# Builds the transaction fuzz target (preset fuzz: clang, libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs it for SECONDS
# (default 60) from the seeds made of examples/, keeping what it learns in
# build/fuzz/corpus. A finding is written to build/fuzz/findings/ and fails
# the run. See docs/fuzzing.md.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p build/fuzz/corpus build/fuzz/findings
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
build/fuzz/bin/vks_fuzz_transaction build/fuzz/corpus build/fuzz/fuzz/seeds -max_total_time="$seconds" \
  -timeout=30 -max_len=4096 -artifact_prefix=build/fuzz/findings/ -print_final_stats=1
