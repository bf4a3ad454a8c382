#!/usr/bin/env python3
"""Compares a CSV table and zifrano-lettere's copy of it, both as LibreOffice Calc read them.

Called by check-csv-against-libreoffice.sh with the fixture's name, the tool's options, the
tool, and Calc's two exports (every text cell quoted, numbers bare). Prints one line for the
fixture, and each row that differs; the exit status is 1 when any does.
"""
import re
import subprocess
import sys
from decimal import Decimal

SHOWN = 10  # differences printed per fixture; the rest are only counted


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


def plain_wordings(tool, options, values):
    """What the tool writes for each value on its own, one line each (empty when refused)."""
    if not values:
        return []
    run = subprocess.run([tool, *options, "--", *values], capture_output=True, text=True)
    return run.stdout.split("\n")[: len(values)]


def main(name, options, tool, input_path, output_path):
    name = f"{name} ({options})"
    options = options.split()
    column = options[options.index("--csv") + 1]
    lire = "--lire" in options
    titles = ["Importo intero in lettere"]
    if not lire:
        titles.insert(0, "Importo in lettere")
    source, copy = read_export(input_path), read_export(output_path)
    header = trimmed(source[0])
    width = len(header)
    amount_at = int(column) - 1 if column.isdigit() else [text for _, text in header].index(column)

    differences = []
    if len(source) != len(copy):
        differences.append(f"Calc reads {len(source)} rows in the input, {len(copy)} in the output")
    worded = []  # (row number, the number Calc reads, the wordings the tool wrote)
    for number, (cells, copied) in enumerate(zip(source, copy), start=1):
        cells = trimmed(cells)
        end = max(width, len(cells))
        expected = cells + [("", "")] * (end - len(cells))
        copied = copied + [("", "")] * (end + len(titles) - len(copied))
        wordings = [text for _, text in copied[end : end + len(titles)]]
        if copied[:end] != expected or trimmed(copied[end + len(titles) :]):
            differences.append(f"row {number}: input {cells!r}\n      output {trimmed(copied)!r}")
        elif number == 1:
            if wordings != titles:
                differences.append(f"row 1: wording titles {wordings!r}, not {titles!r}")
        elif any(wordings):
            kind, text = cells[amount_at] if amount_at < len(cells) else ("", "")
            if kind == "number" and re.fullmatch(r"-?[0-9.]+(E[-+]?[0-9]+)?", text):
                worded.append((number, format(Decimal(text), "f"), wordings))
            else:
                differences.append(f"row {number}: Calc reads no amount in {text!r}, "
                                   f"worded {wordings!r}")

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
    for at, (number, value, wordings) in enumerate(worded):
        wanted = [form[at] for form in plain]
        if wordings != wanted:
            differences.append(f"row {number}: Calc reads {value}, "
                               f"worded {wordings!r}, not {wanted!r}")

    if not differences:
        print(f"ok   {name}: {len(source)} rows, {len(worded)} amounts worded as Calc reads them")
        return 0
    print(f"FAIL {name}: {len(differences)} difference(s) from LibreOffice Calc")
    for difference in differences[:SHOWN]:
        print(f"  {difference}")
    return 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
