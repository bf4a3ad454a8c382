#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Builds the fuzz targets with Clang, AddressSanitizer and UndefinedBehaviorSanitizer, and runs
# each from its seed corpus: the engine's for SECONDS (default 60), the tool's line loop for
# LINE_SECONDS (default 30), the C interface for C_SECONDS (default 30). A failed invariant or a
# sanitizer report stops it with the offending input saved in build-fuzz/.
#   scripts/fuzz.sh [SECONDS [LINE_SECONDS [C_SECONDS]]]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
line_seconds=${2:-30}
c_seconds=${3:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target zifrano_wordings_fuzzer zifrano_tool_lines_fuzzer \
    zifrano_c_interface_fuzzer
mkdir -p build-fuzz/corpus build-fuzz/lines_corpus build-fuzz/c_interface_corpus
cd build-fuzz
quiet() { grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)'; }
bin/zifrano_wordings_fuzzer -max_total_time="$seconds" -max_len=128 -print_final_stats=1 \
    corpus ../fuzz/corpus 2>&1 | quiet || exit "${PIPESTATUS[0]}"
# Long inputs, so that lines past the tool's bound are tried; memory must stay small.
bin/zifrano_tool_lines_fuzzer -max_total_time="$line_seconds" -max_len=4096 -rss_limit_mb=512 \
    -print_final_stats=1 lines_corpus ../fuzz/lines_corpus 2>&1 | quiet || exit "${PIPESTATUS[0]}"
# Any options and any room; the texts are those of a line.
bin/zifrano_c_interface_fuzzer -max_total_time="$c_seconds" -max_len=512 -print_final_stats=1 \
    c_interface_corpus ../fuzz/c_interface_corpus 2>&1 | quiet || exit "${PIPESTATUS[0]}"
