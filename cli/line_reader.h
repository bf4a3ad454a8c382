// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "messages.h"
#include "waiting_input.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// Reads lines from a stream buffer, in the encoding its first bytes tell (see WaitingInput). LF,
/// CR and the pairs CR LF and LF CR each end a line (see isLineEnd). A line is kept as an
/// AmountText, in bounded memory however long it is.
class LineReader {
public:
    /// `beforeWaiting` runs whenever no input is at hand, so that the answers pending can go
    /// out before the reader blocks.
    LineReader(std::streambuf& in, std::function<void()> beforeWaiting);

    /// The input's encoding (see WaitingInput::encoding).
    Encoding encoding() { return m_in.encoding(); }
    bool lostHalfCharacter() const { return m_in.lostHalfCharacter(); }

    /// The next line, or nothing at the end of the input. The line lives until the next call. A
    /// read error is thrown as the stream buffer throws it.
    const AmountText* next();

private:
    WaitingInput m_in;
    AmountText m_line;         // kept, so that its memory serves every line
    std::string_view m_unread; // taken from the input, not yet read
    char m_pairedLineEnd = 0;  // what would complete the line end just read
};

} // namespace zifrano::cli
