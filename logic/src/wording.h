// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace zifrano {

/// A wording being written, in room for the longest of any amount the type holds, so that
/// writing one never allocates and never fails.
class Wording {
public:
    /// At least the longest wording: checked against the words themselves where they are made.
    static constexpr std::size_t kLongest = 192;

    void append(std::string_view words) {
        std::memcpy(m_text.data() + m_size, words.data(), words.size());
        m_size += words.size();
    }
    std::string_view view() const { return {m_text.data(), m_size}; }

private:
    std::array<char, kLongest> m_text;
    std::size_t m_size = 0;
};

/// NumeroInLettere, written into `wording`.
void writeNumeroInLettere(Amount amount, Wording& wording);

/// ImportoInLettere, written into `wording`.
void writeImportoInLettere(Amount amount, Wording& wording);

} // namespace zifrano
