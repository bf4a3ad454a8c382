// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <streambuf>
#include <string_view>

namespace zifrano::cli {

/// How many bytes at the start of `text` end where a UTF-8 character ends: all of them, but for
/// a character that its last bytes begin and do not end. A byte that begins no character ends
/// where it is.
std::size_t wholeCharacters(std::string_view text);

/// A stream buffer for a console, which shows characters, not bytes: it hands what is written
/// to it on in whole UTF-8 characters, a character cut by a flush or by the end of its buffer
/// kept for the next write. A write that fails makes the stream fail.
class ConsoleBuffer : public std::streambuf {
public:
    /// Shows the text it is given, and says whether it could.
    using Writer = std::function<bool(std::string_view)>;

    explicit ConsoleBuffer(Writer write);
    /// Writes what is left, a cut character as it stands.
    ~ConsoleBuffer() override;

    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;

private:
    int_type overflow(int_type c) override;
    int sync() override;

    // Writes the buffer out, but for a cut character unless `all`; false once a write failed.
    bool writeOut(bool all);

    Writer m_write;
    std::array<char, 4096> m_buffer{};
    bool m_failed = false;
};

} // namespace zifrano::cli
