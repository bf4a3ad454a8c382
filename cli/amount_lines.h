// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "arguments.h"
#include "messages.h"

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// Where an amount came from, for a message: "riga 3", "argomento 2".
struct Source {
    const char* kind;
    std::size_t number;
};

/// Where the wordings go: one line each on `out`, complaints on `err`.
class AmountLines {
public:
    AmountLines(const Request& request, std::ostream& out, std::ostream& err);

    /// Writes the wording of the amount in `text`; when it cannot be worded, an empty line, and a
    /// message on `err` naming where it came from and showing the text.
    void write(const AmountText& text, Source source);

    /// A message about the input as a whole; the exit status becomes 1.
    void complain(std::string_view message);

    /// True once any amount could not be worded.
    bool sawRefusal() const { return m_sawRefusal; }

private:
    Currency m_currency;
    Notation m_notation;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_sawRefusal = false;
    std::string m_line; // kept, so that its room serves every line
};

/// Writes a line for each amount given on the command line.
void writeEach(std::span<const std::string_view> amounts, AmountLines& lines);

/// Writes a line for each line of `in`, as soon as it is read when no more input is waiting, and
/// stops as soon as `out` fails.
void writeEachLine(std::istream& in, std::ostream& out, std::ostream& err, AmountLines& lines);

} // namespace zifrano::cli
