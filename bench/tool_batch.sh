#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Times zifrano-lettere on COUNT (default 1,000,000) random amounts, three runs each: one per
# input line, then as the amount column of a five-column table exported the Italian way. Beside
# each, the floor that input and output alone cost: cat writing the tool's own output to the same
# place, a file. The tool's best run is then told as a ratio of the floor's best.
# Usage: bench/tool_batch.sh [build dir] [count]
set -euo pipefail
build=${1:-build}
count=${2:-1000000}
tool="$build/bin/zifrano-lettere"
lines=$(mktemp)
table=$(mktemp)
answer=$(mktemp)
out=$(mktemp)
trap 'rm -f "$lines" "$table" "$answer" "$out"' EXIT
awk -v n="$count" 'BEGIN { srand(42); for (i = 0; i < n; i++)
    printf "%d,%02d\n", int(rand() * 999999999999) + 1, int(rand() * 100) }' > "$lines"
awk -v n="$count" 'BEGIN { srand(42); print "Data;Cliente;Importo;Note;Codice";
    for (i = 0; i < n; i++)
        printf "%02d/12/2026;Cliente %d;%d.%03d,%02d;\"nota; %d\";X%d\n", i % 28 + 1, i,
            int(rand() * 999) + 1, int(rand() * 1000), int(rand() * 100), i, i }' > "$table"

# best_of_three INPUT COMMAND...: the shortest of three runs of the command on INPUT, in seconds,
# its output written to the same file each time.
best_of_three() {
    local input=$1 start end best=
    shift
    for _ in 1 2 3; do
        start=$(date +%s.%N)
        "$@" < "$input" > "$out"
        end=$(date +%s.%N)
        best=$(awk -v s="$start" -v e="$end" -v b="$best" \
            'BEGIN { t = e - s; if (b == "" || t < b) b = t; printf "%.3f", b }')
    done
    echo "$best"
}

# compare WHAT INPUT COMMAND...: the tool's best time, the floor's, and their ratio.
compare() {
    local what=$1 input=$2 tool_time floor_time
    shift 2
    tool_time=$(best_of_three "$input" "$@")
    cp "$out" "$answer"
    floor_time=$(best_of_three "$answer" cat)
    awk -v w="$what" -v t="$tool_time" -v f="$floor_time" \
        'BEGIN { printf "%s: %.3f s, input and output alone %.3f s: %.1f times\n", w, t, f, t / f }'
}

compare "$count lines" "$lines" "$tool"
compare "$count rows" "$table" "$tool" --csv Importo --migliaia
