#!/usr/bin/env bash
# Builds the fuzz target with Clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# it from the seed corpus for SECONDS (default 60). A failed invariant or a sanitizer report
# stops it with the offending input saved in build-fuzz/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target zifrano_wordings_fuzzer
corpus=build-fuzz/corpus
mkdir -p "$corpus"
cd build-fuzz
bin/zifrano_wordings_fuzzer -max_total_time="$seconds" -max_len=128 -print_final_stats=1 \
    "../$corpus" ../fuzz/corpus 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)' || exit "${PIPESTATUS[0]}"
