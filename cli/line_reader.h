#pragma once

#include "amount_text.h"
#include "waiting_input.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// Reads lines from a stream buffer. LF, CRLF and a lone CR each end a line, and a UTF-8
/// byte-order mark at the very start is skipped (see WaitingInput). A line is kept as an
/// AmountText, in bounded memory however long it is.
class LineReader {
public:
    /// `beforeWaiting` runs whenever no input is at hand, so that the answers pending can go
    /// out before the reader blocks.
    LineReader(std::streambuf& in, std::function<void()> beforeWaiting);

    /// The next line, or nothing at the end of the input. The line lives until the next call. A
    /// read error is thrown as the stream buffer throws it.
    const AmountText* next();

private:
    void keep(std::string_view piece);

    WaitingInput m_in;
    AmountText m_line;         // kept, so that its memory serves every line
    std::string_view m_unread; // taken from the input, not yet read
    bool m_afterCarriageReturn = false;
};

} // namespace zifrano::cli
