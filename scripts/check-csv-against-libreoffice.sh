#!/usr/bin/env bash
# Reads the ugly spreadsheet exports in cli/tests/data with LibreOffice Calc and with
# zifrano-lettere, and fails where the two disagree: a row split or merged differently, a cell
# copied differently, or an amount worded as another number than the one Calc reads.
# Usage: scripts/check-csv-against-libreoffice.sh [BIN_DIR]   (default build/bin)
set -euo pipefail
cd "$(dirname "$0")/.."
tool="$(realpath "${1:-build/bin}")/zifrano-lettere"

calc=libreoffice-calc-nogui
if ! dpkg-query -W -f='${Status}' "$calc" 2>/dev/null | grep -q 'install ok installed'; then
    as_root=()
    if ((EUID != 0)); then
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q \
        --no-install-recommends "$calc"
fi

# Each fixture with the tool's options and Calc's character set (76 UTF-8, 1 Windows-1252:
# Calc's code 1252 decodes as Latin-1 and turns the euro sign into a control character).
fixtures=(
    "note-utf8.csv|--csv Importo --migliaia|76"
    "export-1252.csv|--csv Importo --migliaia|1"
    "lire.csv|--csv 3 --migliaia --lire|76"
    # Without --migliaia too: in a table, 12.500 is what Calc reads, twelve thousand five hundred.
    "lire.csv|--csv Importo --lire|76"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for fixture in "${fixtures[@]}"; do
    IFS='|' read -r name options charset <<<"$fixture"
    cp "cli/tests/data/$name" "$work/input.csv"
    # Refusals are allowed: they are judged below, row by row, not by the exit status.
    read -ra words <<<"$options"
    "$tool" "${words[@]}" "$work/input.csv" >"$work/output.csv" 2>/dev/null || true
    # Italian, quoted fields not forced to text, special numbers (€, brackets, a trailing
    # minus) detected; written back with every text cell quoted and numbers as plain values,
    # so that a cell's kind and its boundaries can be told apart. A private profile each run,
    # so that a Calc already open elsewhere cannot hold its lock.
    rm -rf "$work/calc"
    soffice -env:UserInstallation="file://$work/profile" --headless \
        --infilter="Text - txt - csv (StarCalc):59,34,$charset,1,,1040,false,true" \
        --convert-to "csv:Text - txt - csv (StarCalc):59,34,76,1,,1040,true,true,false" \
        --outdir "$work/calc" "$work/input.csv" "$work/output.csv" >/dev/null 2>&1 || true
    if [[ ! -f "$work/calc/input.csv" || ! -f "$work/calc/output.csv" ]]; then
        echo "FAIL $name: LibreOffice did not read both tables"
        status=1
        continue
    fi
    python3 scripts/compare-calc-tables.py "$name" "$options" "$tool" \
        "$work/calc/input.csv" "$work/calc/output.csv" || status=1
done
exit "$status"
