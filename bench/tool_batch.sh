#!/usr/bin/env bash
# Times zifrano-lettere on COUNT (default 1,000,000) random amounts, three runs each: one per
# input line, then as the amount column of a five-column table exported the Italian way.
# Usage: bench/tool_batch.sh [build dir] [count]
set -euo pipefail
build=${1:-build}
count=${2:-1000000}
tool="$build/bin/zifrano-lettere"
lines=$(mktemp)
table=$(mktemp)
trap 'rm -f "$lines" "$table"' EXIT
awk -v n="$count" 'BEGIN { srand(42); for (i = 0; i < n; i++)
    printf "%d,%02d\n", int(rand() * 999999999999) + 1, int(rand() * 100) }' > "$lines"
awk -v n="$count" 'BEGIN { srand(42); print "Data;Cliente;Importo;Note;Codice";
    for (i = 0; i < n; i++)
        printf "%02d/12/2026;Cliente %d;%d.%03d,%02d;\"nota; %d\";X%d\n", i % 28 + 1, i,
            int(rand() * 999) + 1, int(rand() * 1000), int(rand() * 100), i, i }' > "$table"

# time_runs WHAT INPUT COMMAND...: runs the command three times on INPUT, its output thrown away.
time_runs() {
    local what=$1 input=$2 start end
    shift 2
    for run in 1 2 3; do
        start=$(date +%s.%N)
        "$@" < "$input" > /dev/null
        end=$(date +%s.%N)
        awk -v r="$run" -v w="$what" -v s="$start" -v e="$end" \
            'BEGIN { printf "run %d: %s in %.3f s\n", r, w, e - s }'
    done
}

time_runs "$count lines" "$lines" "$tool"
time_runs "$count rows" "$table" "$tool" --csv Importo --migliaia
