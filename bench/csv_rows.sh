#!/usr/bin/env bash
# Times zifrano-lettere --csv on ROWS rows (default 1,000,000) of a five-column table exported
# the Italian way.
# Usage: bench/csv_rows.sh [build dir] [rows]
set -euo pipefail
build=${1:-build}
rows=${2:-1000000}
tool="$build/bin/zifrano-lettere"
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$rows" 'BEGIN { srand(42); print "Data;Cliente;Importo;Note;Codice";
    for (i = 0; i < n; i++)
        printf "%02d/12/2026;Cliente %d;%d.%03d,%02d;\"nota; %d\";X%d\n", i % 28 + 1, i,
            int(rand() * 999) + 1, int(rand() * 1000), int(rand() * 100), i, i }' > "$input"
for run in 1 2 3; do
    start=$(date +%s.%N)
    "$tool" --csv Importo --migliaia "$input" > /dev/null
    end=$(date +%s.%N)
    awk -v run="$run" -v n="$rows" -v s="$start" -v e="$end" \
        'BEGIN { printf "run %d: %d rows in %.3f s\n", run, n, e - s }'
done
