// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "encodings.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// The UTF-8 byte-order mark that some programs put before a text.
inline constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

/// What is said when UTF-16 input ends with an odd byte (see WaitingInput::lostHalfCharacter).
inline constexpr std::string_view kHalfCharacter =
    "il testo UTF-16 finisce a metà di un carattere: l'ultimo byte è stato tralasciato";

/// LF and CR each end a line, and so do the pairs CR LF and LF CR, taken from the left: "\r\r\n"
/// is two line ends, "\n\r\n" two as well. This is how spreadsheets count rows.
constexpr bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

/// The character that makes a pair with the line end `c`.
constexpr char pairedLineEnd(char c) {
    return c == '\n' ? '\r' : '\n';
}

/// Text input taken a piece at a time, and only as much as is already waiting, so that taking it
/// never blocks while answers are pending. Its first bytes tell its encoding: a UTF-8
/// byte-order mark at the very start is passed over (also when it arrives a byte at a time), and
/// after a UTF-16 one the text is handed out in UTF-8.
class WaitingInput {
public:
    /// `beforeWaiting` runs whenever nothing is waiting, to send out the answers pending; then
    /// one byte is waited for.
    WaitingInput(std::streambuf& in, std::function<void()> beforeWaiting);

    /// The input's encoding, read from its first bytes when not yet known. An encoding the tool
    /// cannot read (UTF-32, or UTF-16 without a byte-order mark) is thrown as a
    /// std::runtime_error that names it.
    Encoding encoding();

    /// The next piece, in UTF-8: empty at the end of the input. A read error is thrown as the
    /// stream buffer throws it.
    std::string_view take();

    /// Whether the input began with a byte-order mark.
    bool hadByteOrderMark() const { return m_hadByteOrderMark; }
    /// Whether UTF-16 input ended with an odd byte, which was dropped.
    bool lostHalfCharacter() const { return m_lostHalfCharacter; }

private:
    // What is waiting, put after the first `kept` bytes of the piece; the piece is returned whole.
    std::string_view takeWaiting(std::size_t kept);
    std::string_view takeBytes();

    std::streambuf& m_in;
    std::function<void()> m_beforeWaiting;
    std::array<char, 1 << 16> m_piece{};
    std::optional<Encoding> m_encoding;
    std::optional<std::string_view> m_start; // the first piece, after its mark, not yet taken
    std::optional<Utf16Decoder> m_decoder;
    std::string m_decoded;
    bool m_hadByteOrderMark = false;
    bool m_lostHalfCharacter = false;
};

} // namespace zifrano::cli
