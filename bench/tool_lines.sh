#!/usr/bin/env bash
# Times zifrano-lettere on LINES input lines (default 1,000,000) of random amounts.
# Usage: bench/tool_lines.sh [build dir] [lines]
set -euo pipefail
build=${1:-build}
lines=${2:-1000000}
tool="$build/bin/zifrano-lettere"
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN { srand(42); for (i = 0; i < n; i++)
    printf "%d,%02d\n", int(rand() * 999999999999) + 1, int(rand() * 100) }' > "$input"
for run in 1 2 3; do
    start=$(date +%s.%N)
    "$tool" < "$input" > /dev/null
    end=$(date +%s.%N)
    awk -v run="$run" -v n="$lines" -v s="$start" -v e="$end" \
        'BEGIN { printf "run %d: %d lines in %.3f s\n", run, n, e - s }'
done
