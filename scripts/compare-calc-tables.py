#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
# SPDX-License-Identifier: MIT

"""Compares CSV tables and zifrano-lettere's copies of them, as LibreOffice Calc reads them.

Called by check-csv-against-libreoffice.sh as
    compare-calc-tables.py TOOL FIXTURES PROFILE
with the tool, the list of fixtures (a line each: the folder holding input.csv and the tool's
output.csv, the fixture's name, how Calc reads both, the header's row number, the title of the
column that says which rows must be worded ("sì") or refused ("no") or "-", and the tool's
options, separated by 0x1F) and a folder for Calc's private profile; the titles of the columns
the tool adds come from the environment, as scripts/lib.sh's load_facts exports them. Starts one
Calc, has it read every table and copy, then prints one line for each fixture, and each row that
differs; the exit status is 1 when any does.
"""
import os
import re
import signal
import subprocess
import sys
from decimal import Decimal

import uno

from calc_session import properties, start_calc, stop_calc

SHOWN = 12  # differences printed per fixture; the rest are only counted
BOMS = (b"\xef\xbb\xbf", b"\xff\xfe", b"\xfe\xff")
# Calc reads no number where blanks group the digits (1 234,56, with a space, U+00A0, U+202F
# or U+2009), which the tool reads as a person does: such a text may be worded, as the number
# the digits make without the blanks.
GROUPED = re.compile(r"(?:€ ?)?(\d{1,3}(?:[ \u00a0\u202f\u2009]\d{3})+(?:,\d+)?)(?: ?€)?")


def read_export(path):
    """Rows of (kind, text) cells: kind is 'text' when quoted, 'number' when bare, '' if empty."""
    with open(path, encoding="utf-8", newline="") as export:
        data = export.read()
    rows, row, at = [], [], 0
    while at < len(data):
        if data[at] == '"':
            end = at + 1
            while not (data[end] == '"' and data[end + 1 : end + 2] != '"'):
                end += 2 if data[end] == '"' else 1
            row.append(("text", data[at + 1 : end].replace('""', '"')))
            at = end + 1
        else:
            end = at
            while end < len(data) and data[end] not in ";\n":
                end += 1
            row.append(("number" if end > at else "", data[at:end]))
            at = end
        if at >= len(data) or data[at] == "\n":
            rows.append(row)
            row = []
        at += 1
    return rows


def trimmed(row):
    while row and row[-1][0] == "":
        row = row[:-1]
    return row


def padded(row, length):
    return row + [("", "")] * (length - len(row))


def calc_value(cell):
    """The number Calc reads in a cell, as the tool writes it on its own, or None."""
    kind, text = cell
    if kind == "number" and re.fullmatch(r"-?[0-9.]+(E[-+]?[0-9]+)?", text):
        return format(Decimal(text), "f")
    grouped = GROUPED.fullmatch(text.strip(" \u00a0")) if kind == "text" else None
    if grouped:
        digits = re.sub(r"[ \u00a0\u202f\u2009]", "", grouped[1]).replace(",", ".")
        return format(Decimal(digits), "f")
    return None


def as_text(data):
    """A table's characters: UTF-16 after its byte-order mark, otherwise a byte each."""
    if data[:2] in BOMS[1:]:
        return data.decode("utf-16", errors="replace")
    return data.decode("latin-1")


def plain_wordings(tool, options, values):
    """What the tool writes for each value on its own, one line each (empty when refused)."""
    if not values:
        return []
    run = subprocess.run([tool, *options, "--", *values], capture_output=True, text=True)
    return (run.stdout.split("\n") + [""] * len(values))[: len(values)]


def shown(option):
    """An option as it is typed in a shell."""
    if re.fullmatch(r"[\w.,%+=:/-]+", option):
        return option
    return f'"{option}"' if "'" in option else f"'{option}'"


def column_at(header, column):
    """The column the tool is asked for: a title (case and blanks aside), or a number from 1."""
    titles = [text.strip().casefold() for _, text in header]
    if column.strip().casefold() in titles:
        return titles.index(column.strip().casefold())
    return int(column) - 1 if column.isdigit() and 0 < int(column) <= len(header) else None


def file_differences(input_path, output_path, header_row):
    """What the files show and Calc's exports cannot: a byte-order mark, the lines above the
    header (a "sep=" line, which Calc's export rewrites with its own separator)."""
    with open(input_path, "rb") as table, open(output_path, "rb") as written:
        table, copied_table = table.read(), written.read()
    differences = []
    for bom in BOMS:
        if table.startswith(bom) and not copied_table.startswith(bom):
            differences.append(f"the input begins with the byte-order mark {bom.hex(' ')}, "
                               f"the output with {copied_table[:3].hex(' ') or 'nothing'}")
    table, copied_table = as_text(table), as_text(copied_table)
    lines = re.match(r"(?:[^\r\n]*(?:\r\n|\n\r|\r|\n)){%d}" % (header_row - 1), table)
    if lines and not copied_table.startswith(lines[0]):
        differences.append(f"the lines above the header are {lines[0]!r} in the input, "
                           f"{copied_table[: len(lines[0])]!r} in the output")
    return differences


def header_width(header, copied_header, titles):
    """How many fields the header has: the wording titles follow them, after any empty titles
    (Calc's exports pad every row to the sheet's width). None if the titles are not there, or
    the header's fields are not copied as they are."""
    texts = [text for _, text in copied_header]
    width = next((at for at in range(len(header), len(texts))
                  if texts[at : at + len(titles)] == titles), None)
    if width is None or padded(header, width) != copied_header[:width] \
            or len(copied_header) != width + len(titles):
        return None
    return width


def judged_rows(source, copy, header_row, width, titles, amount_at, expect_at, differences):
    """Adds to differences each row below the header that is not copied cell for cell with its
    wordings right after the header's fields (or after its own, when it has more), or that is
    worded or refused against its expected cell; returns the worded rows, as (row number, the
    number Calc reads, the wordings)."""
    worded = []
    for number in range(header_row + 1, min(len(source), len(copy)) + 1):
        cells, copied = trimmed(source[number - 1]), copy[number - 1]
        end = max(width, len(cells))
        copied = padded(copied, end + titles)
        wordings = [text for _, text in copied[end : end + titles]]
        if copied[:end] != padded(cells, end) or trimmed(copied[end + titles :]):
            differences.append(f"row {number}: input {cells!r}\n"
                               f"      output {trimmed(copied)!r}")
            continue
        cells = padded(cells, max(amount_at, expect_at or 0) + 1)
        amount = cells[amount_at]
        expected = cells[expect_at][1] if expect_at is not None else ""
        if expected == "sì" and not any(wordings):
            differences.append(f"row {number}: {amount[1]!r} must be worded, it is not")
        elif expected == "no" and any(wordings):
            differences.append(f"row {number}: {amount[1]!r} must be refused, "
                               f"worded {wordings!r}")
        elif any(wordings):
            value = calc_value(amount)
            if value is None:
                differences.append(f"row {number}: Calc reads no amount in {amount[1]!r}, "
                                   f"worded {wordings!r}")
            else:
                worded.append((number, value, wordings))
    return worded


def wording_differences(tool, lire, worded):
    """Each worded row whose wordings are not what the tool writes for Calc's number alone."""
    values = [value for _, value, _ in worded]
    # Beside the euro wording goes the whole part's; a lire table words the value itself, so a
    # value with decimals that it worded shows up as a difference.
    wholes = values if lire else [value.split(".")[0] for value in values]
    plain = [plain_wordings(tool, ["--lire"], wholes)]
    # The whole part of an amount between 0 and 1 has no words, where 0 itself is "Zero".
    plain[0] = ["" if Decimal(whole) == 0 and Decimal(value) != 0 else words
                for whole, value, words in zip(wholes, values, plain[0])]
    if not lire:
        plain.insert(0, plain_wordings(tool, [], values))
    differences = []
    for at, (number, value, wordings) in enumerate(worded):
        wanted = [form[at] for form in plain]
        if wordings != wanted:
            differences.append(f"row {number}: Calc reads {value}, "
                               f"worded {wordings!r}, not {wanted!r}")
    return differences


def compare(name, header_row, expect, input_path, output_path, calc_input, calc_output, tool,
            options):
    name = f"{name} ({' '.join(map(shown, options))})"
    header_row = int(header_row)
    lire = "--lire" in options
    titles = [os.environ["ZIFRANO_CSV_LIRE_TITLE"]]
    if not lire:
        titles.insert(0, os.environ["ZIFRANO_CSV_EURO_TITLE"])
    source, copy = read_export(calc_input), read_export(calc_output)
    differences = file_differences(input_path, output_path, header_row)
    if len(source) != len(copy):
        differences.append(f"Calc reads {len(source)} rows in the input, {len(copy)} in the output")
    # Rows above the header are copied as they are, without wordings.
    for number in range(1, min(header_row, len(source) + 1, len(copy) + 1)):
        if trimmed(copy[number - 1]) != trimmed(source[number - 1]):
            differences.append(f"row {number}: input {trimmed(source[number - 1])!r}\n"
                               f"      output {trimmed(copy[number - 1])!r}")
    if len(source) < header_row or len(copy) < header_row:
        differences.append(f"Calc reads no header at row {header_row}")
        return report(name, len(source), 0, differences)

    header, copied_header = trimmed(source[header_row - 1]), trimmed(copy[header_row - 1])
    width = header_width(header, copied_header, titles)
    if width is None:
        differences.append(f"row {header_row}: input {header!r}\n"
                           f"      output {copied_header!r}, no {titles!r} after the header")
        return report(name, len(source), 0, differences)
    column = options[options.index("--csv") + 1]
    amount_at = column_at(header, column)
    expect_at = None if expect == "-" else column_at(header, expect)
    if amount_at is None or (expect != "-" and expect_at is None):
        differences.append(f"row {header_row}: Calc reads no column {column!r} or {expect!r} "
                           f"in {header!r}")
        return report(name, len(source), 0, differences)

    worded = judged_rows(source, copy, header_row, width, len(titles), amount_at, expect_at,
                         differences)
    differences += wording_differences(tool, lire, worded)
    return report(name, len(source), len(worded), differences)


def report(name, rows, worded, differences):
    if not differences:
        print(f"ok   {name}: {rows} rows, {worded} amounts worded as Calc reads them")
        return 0
    print(f"FAIL {name}: {len(differences)} difference(s) from LibreOffice Calc")
    for difference in differences[:SHOWN]:
        print(f"  {difference}")
    return 1


CSV = "Text - txt - csv (StarCalc)"
# Italian, quoted fields not forced to text, special numbers (€, brackets, a trailing minus)
# detected; written back in UTF-8 with every text cell quoted and numbers as plain values, so
# that a cell's kind and its boundaries can be told apart.
READ = ",1,,1040,false,true"
WRITTEN = "59,34,76,1,,1040,true,true,false"


def calc_copy(desktop, path, way, export):
    """Has Calc read the table at path the way given and write it as the export; True if it did."""
    try:
        document = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(path)), "_blank", 0,
            properties(FilterName=CSV, FilterOptions=way + READ, Hidden=True))
        if document is None:
            return False
        try:
            document.storeToURL(uno.systemPathToFileUrl(os.path.abspath(export)),
                                properties(FilterName=CSV, FilterOptions=WRITTEN))
        finally:
            document.close(True)
    except Exception as error:  # what UNO raises derives from Exception only
        print(f"LibreOffice on {path}: {error}", file=sys.stderr)
        return False
    return True


def main(tool, fixtures, profile):
    with open(fixtures, encoding="utf-8") as listed:
        fixtures = [line.rstrip("\n").split("\x1f") for line in listed]
    # Killed, it still stops its Calc (below, on the way out).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    office, desktop = start_calc(profile)
    try:
        read = [all(calc_copy(desktop, f"{folder}/{table}.csv", way, f"{folder}/calc-{table}.csv")
                    for table in ("input", "output"))
                for folder, _, way, *_ in fixtures]
    finally:
        stop_calc(office, desktop)
    status = 0
    for (folder, name, _, header_row, expect, *options), done in zip(fixtures, read):
        if not done:
            print(f"FAIL {name}: LibreOffice did not read both tables")
            status = 1
            continue
        status |= compare(name, header_row, expect, f"{folder}/input.csv", f"{folder}/output.csv",
                          f"{folder}/calc-input.csv", f"{folder}/calc-output.csv", tool, options)
    return status


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
