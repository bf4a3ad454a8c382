// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "line_reader.h"

#include <algorithm>
#include <utility>

namespace zifrano::cli {
LineReader::LineReader(std::streambuf& in, std::function<void()> beforeWaiting)
    : m_in(in, std::move(beforeWaiting)) {}

const AmountText* LineReader::next() {
    m_line.clear();
    while (!m_unread.empty() || !(m_unread = m_in.take()).empty()) {
        if (const char paired = std::exchange(m_pairedLineEnd, 0);
            paired != 0 && m_unread.front() == paired) {
            m_unread.remove_prefix(1); // the rest of a line end whose line has been read
            continue;
        }
        const auto end = std::find_if(m_unread.begin(), m_unread.end(), isLineEnd);
        const auto size = static_cast<std::size_t>(end - m_unread.begin());
        m_line.append(m_unread.substr(0, size));
        if (end != m_unread.end()) {
            m_pairedLineEnd = pairedLineEnd(*end);
            m_unread.remove_prefix(size + 1);
            return &m_line;
        }
        m_unread = {};
    }
    // A last line without a line end still counts.
    return m_line.shown().empty() ? nullptr : &m_line;
}

} // namespace zifrano::cli
