#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <streambuf>
#include <string_view>

namespace zifrano::cli {

/// The UTF-8 byte-order mark that some programs put before a text.
inline constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

/// LF and CR each end a line (CRLF too, its LF then passed over), in lines and tables alike.
constexpr bool isLineEnd(char c) {
    return c == '\n' || c == '\r';
}

/// Text input taken a piece at a time, and only as much as is already waiting, so that taking it
/// never blocks while answers are pending. A UTF-8 byte-order mark at the very start is passed
/// over, also when it arrives a byte at a time.
class WaitingInput {
public:
    /// `beforeWaiting` runs whenever nothing is waiting, to send out the answers pending; then
    /// one byte is waited for.
    WaitingInput(std::streambuf& in, std::function<void()> beforeWaiting);

    /// The next piece: empty at the end of the input. A read error is thrown as the stream buffer
    /// throws it.
    std::string_view take();

    /// Whether the input began with a byte-order mark.
    bool hadByteOrderMark() const { return m_hadByteOrderMark; }

private:
    // What is waiting, put after the first `kept` bytes of the piece; the piece is returned whole.
    std::string_view takeWaiting(std::size_t kept);

    std::streambuf& m_in;
    std::function<void()> m_beforeWaiting;
    std::array<char, 1 << 16> m_piece{};
    bool m_atStart = true;
    bool m_hadByteOrderMark = false;
};

} // namespace zifrano::cli
