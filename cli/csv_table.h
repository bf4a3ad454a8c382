// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "arguments.h"

#include <iosfwd>

namespace zifrano::cli {

/// Copies a CSV table from `in` to `out` a row at a time, adding at the end of each row the
/// wordings of the amount in the column that `request.csvColumn` names, by header or by number
/// from 1. The table is read as spreadsheets import it, more loosely than RFC 4180 on purpose
/// (CsvReader): any one-byte separator, LF, CR or both for a line end, blanks around a quoted
/// field, text after a closing quote kept in the field. The header gets the wordings' titles. A
/// row whose amount cannot be worded, or that has another number of fields than the header, gets
/// empty wordings and a message naming it; a short row is filled out with empty fields first, so
/// that no column shifts. Returns the exit status: 0, 1 when a row was in error or a field too
/// long, 2 when the column is not in the header. Whether the output was written whole is left to
/// the caller.
int wordCsvTable(const Request& request, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace zifrano::cli
