// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "console_buffer.h"

#include <cstring>
#include <utility>

namespace zifrano::cli {

std::size_t wholeCharacters(std::string_view text) {
    // A cut character has at most three of its bytes here: its first one among the last three.
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xc0) == 0x80) {
            continue; // a character's later byte
        }
        // 0xC0 and 0xC1 begin no character: a shorter one written long.
        const std::size_t length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : byte >= 0xc2 ? 2 : 1;
        return length > back ? text.size() - back : text.size();
    }
    return text.size();
}

// The buffer is put in place by the first write, which finds no room.
ConsoleBuffer::ConsoleBuffer(Writer write)
    : m_write(std::move(write)) {}

ConsoleBuffer::~ConsoleBuffer() {
    writeOut(true);
}

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type c) {
    if (!writeOut(false)) {
        return traits_type::eof();
    }
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    // A cut character left at most three bytes: there is room.
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
}

int ConsoleBuffer::sync() {
    return writeOut(false) ? 0 : -1;
}

bool ConsoleBuffer::writeOut(bool all) {
    const std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t whole = all ? text.size() : wholeCharacters(text);
    if (!m_failed && whole > 0) {
        m_failed = !m_write(text.substr(0, whole));
    }
    const std::size_t cut = text.size() - whole;
    if (cut > 0) { // before the first write there is no buffer to move from
        std::memmove(m_buffer.data(), text.data() + whole, cut);
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    pbump(static_cast<int>(cut));
    return !m_failed;
}

} // namespace zifrano::cli
