#pragma once

#include "arguments.h"

#include <iosfwd>
#include <span>
#include <string_view>

namespace zifrano::cli {

/// Where the wordings go: one line each on `out`, complaints on `err`.
class AmountLines {
public:
    AmountLines(Form form, std::ostream& out, std::ostream& err);

    /// Writes the wording of one amount, or an empty line and a complaint when it is out of range.
    void write(std::string_view amount);

    /// True once any amount has been out of range.
    bool sawOutOfRange() const { return m_sawOutOfRange; }

private:
    Form m_form;
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_sawOutOfRange = false;
};

/// Writes a line for each amount given on the command line.
void writeEach(std::span<const std::string_view> amounts, AmountLines& lines);

/// Writes a line for each line of `in`, one at a time, so input of any length streams through.
void writeEachLine(std::istream& in, AmountLines& lines);

} // namespace zifrano::cli
