#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

# Reads the ugly spreadsheet exports in cli/tests/data with LibreOffice Calc and with
# zifrano-lettere, and fails where the two disagree: a row split or merged differently, a cell
# copied differently, an amount worded as another number than the one Calc reads, or a row
# worded or refused against what the table says it must be.
# Usage: scripts/check-csv-against-libreoffice.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh
build=$(realpath "${1:-build}")
tool=$build/bin/zifrano-lettere
# The titles of the columns the tool adds, for the comparison.
load_facts "$build"

# Calc, and Debian's Python bindings to it: one Calc reads every table, each its own way.
scripts/install-deps.sh libreoffice-calc-nogui python3-uno >/dev/null

# fixture NAME CALC HEADER EXPECT OPTION...: the table, how Calc is told to read it and the
# tool's copy (separator, text delimiter and character set, as Calc's filter options have them:
# 76 UTF-8; 1 Windows-1252, where Calc's 1252 decodes as Latin-1 and turns the euro sign into a
# control character; 65535 UTF-16, from its byte-order mark), the header's row, the title of the
# column that says which rows must be worded ("sì") or refused ("no") or "-", and the tool's
# options.
fixtures=()
fixture() {
    local IFS=$'\x1f'
    fixtures+=("$*")
}
fixture note-utf8.csv 59,34,76 1 - --csv Importo --migliaia
fixture export-1252.csv 59,34,1 1 - --csv Importo --migliaia
fixture lire.csv 59,34,76 1 - --csv 3 --migliaia --lire
# Without --migliaia every amount there has a full stop before three digits: all are refused,
# and the copy must still be the table cell for cell.
fixture lire.csv 59,34,76 1 - --csv Importo --lire
# Line ends mixed (LF CR is one, as CR LF), blanks after closing quotes, rows longer than the
# header by empty fields (worded), rows of separators alone (blank), no line end at the end.
fixture righe-miste.csv 59,34,76 1 Atteso --csv Importo --migliaia
# Three digits after the only full stop or comma, refused without --migliaia; a dash for the
# cents, blanks between groups; a title ending with "à", asked for in capitals too. Calc's
# export (all cells text) with "59,34,76,1,,1040,false".
fixture numeri.csv 59,34,76 1 Atteso --csv "Prezzo unità"
fixture numeri.csv 59,34,76 1 "Atteso --migliaia" --csv "PREZZO UNITÀ" --migliaia
# Excel's Italian CSV: CRLF, 0x80 for the euro sign and 0xA0 for a no-break space, titles
# with a euro sign and accents given in UTF-8.
fixture excel-1252.csv 59,34,1 1 Atteso --csv "Importo €" --migliaia
fixture excel-1252.csv 59,34,1 1 "Atteso pagato" --csv "Già pagato" --migliaia
# Excel's "sep=," first line naming the separator: Calc does not read it, and is told.
fixture sep-virgola.csv 44,34,76 2 Atteso --csv Importo --migliaia
# Calc's exports with "59,39,76,1,,1040,true" (every text cell between apostrophes) and with
# "32,34,76,1,,1040,false" (spaces: two around an empty cell, a leading and a trailing one).
fixture apice.csv 59,39,76 1 Atteso --csv Importo --migliaia --virgolette "'"
fixture spazi.csv 32,34,76 1 Atteso --csv Importo --migliaia --separatore " "
# Calc's "Unicode" export, "9,34,65535,1,,1040,false" (UTF-16 LE, its byte-order mark, LF), and
# the same text in UTF-16 BE with its mark, which Calc does not write.
fixture utf16le-tab.csv 9,34,65535 1 Atteso --csv "Importo €" --migliaia --separatore '\t'
fixture utf16be-tab.csv 9,34,65535 1 Atteso --csv "Importo €" --migliaia --separatore '\t'

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tool copies every table; its exit status is not looked at, each row is judged by the
# comparison. Its list has a line for each fixture: the folder, then the fixture's fields, all
# separated by 0x1F.
for at in "${!fixtures[@]}"; do
    IFS=$'\x1f' read -ra fixture <<<"${fixtures[at]}"
    mkdir "$work/$at"
    cp "cli/tests/data/${fixture[0]}" "$work/$at/input.csv"
    "$tool" "${fixture[@]:4}" "$work/$at/input.csv" >"$work/$at/output.csv" 2>/dev/null || true
    printf '%s\x1f%s\n' "$work/$at" "${fixtures[at]}" >>"$work/fixtures"
done
# Debian's Python, which has the bindings (another python3 may come first in PATH).
/usr/bin/python3 scripts/compare-calc-tables.py "$tool" "$work/fixtures" "$work/profile"
