// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zifrano {

/// The blanks that may stand between the groups of an amount's digits: a space, and the no-break,
/// narrow no-break and thin spaces (U+00A0, U+202F, U+2009) that spreadsheets and some locales
/// put between thousands; last, the no-break space as Windows-1252 writes it, the single byte
/// 0xA0, which is never a whole character in UTF-8 (after the UTF-8 one, so that it is taken
/// whole).
inline constexpr std::array<std::string_view, 5> kBlanks = {" ", "\u00A0", "\u202F", "\u2009",
                                                            "\xa0"};

/// The length in bytes of the blank that `text` begins with, or 0 when it begins with none.
constexpr std::size_t blankAt(std::string_view text) {
    // Every blank begins with one of these bytes: most characters are told apart by the first.
    if (text.empty() || (text.front() != ' ' && text.front() != '\xc2' && text.front() != '\xe2' &&
                         text.front() != '\xa0')) {
        return 0;
    }
    for (const std::string_view blank : kBlanks) {
        if (text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

/// Whether `text` ends with a whole UTF-8 sequence of two to four bytes: then its last byte is
/// part of a character ("à" ends with 0xA0), not a character of its own.
constexpr bool endsWithUtf8Sequence(std::string_view text) {
    for (std::size_t back = 2; back <= 4 && back <= text.size(); ++back) {
        const auto lead = static_cast<unsigned char>(text[text.size() - back]);
        if (lead < 0x80 || lead >= 0xc0) {
            return back == (lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1);
        }
    }
    return false;
}

/// The length in bytes of the blank other than a space that `text` ends with, or 0.
constexpr std::size_t wideBlankBefore(std::string_view text) {
    for (const std::string_view blank : kBlanks) {
        if (blank.size() > 1 && text.ends_with(blank)) {
            return blank.size();
        }
    }
    return text.ends_with('\xa0') && !endsWithUtf8Sequence(text) ? 1 : 0;
}

/// The length in bytes of the blank that `text` ends with, or 0 when it ends with none.
constexpr std::size_t blankBefore(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    // Every other blank ends with one of these bytes.
    const char last = text.back();
    if (last == ' ') {
        return 1;
    }
    return last == '\xa0' || last == '\xaf' || last == '\x89' ? wideBlankBefore(text) : 0;
}

} // namespace zifrano
