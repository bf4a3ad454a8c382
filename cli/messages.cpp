// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "messages.h"

#include "encodings.h"
#include "invisible_characters.h"

#include <algorithm>
#include <cstdio>

namespace zifrano::cli {
namespace {

// The search below needs the ranges in order.
static_assert(std::is_sorted(kInvisibleRanges.begin(), kInvisibleRanges.end()));

// Characters a terminal shows as nothing, or as a plain blank, or that turn the text around.
bool isInvisible(char32_t point) {
    const auto endsBefore = [](const auto& range, char32_t wanted) {
        return range.second < wanted;
    };
    const auto range =
        std::lower_bound(kInvisibleRanges.begin(), kInvisibleRanges.end(), point, endsBefore);
    return range != kInvisibleRanges.end() && range->first <= point;
}

// The length of the UTF-8 sequence at the start of `text` that stands for one printable,
// visible character, or 0 when it must be escaped; `point` gets its code point.
std::size_t printableSequence(std::string_view text, char32_t& point) {
    const Utf8Character character = firstCharacter(text);
    point = character.point;
    if (character.size == 1) {
        return point >= 0x20 && point != 0x7f ? 1 : 0;
    }
    // C1 controls, U+0080 to U+009F, act on terminals too.
    return point >= 0xa0 ? character.size : 0;
}

} // namespace

std::string describe(Refusal refusal, std::string_view shown) {
    return std::string(refusalReason(refusal)) + ": " + quoteForTerminal(shown);
}

std::string quoteForTerminal(std::string_view raw, std::size_t most) {
    std::string quoted = "'";
    for (std::size_t shown = 0; !raw.empty() && shown < most; ++shown) {
        char32_t point = 0;
        const std::size_t size = printableSequence(raw, point);
        // Room for any code point's escape: GCC cannot tell that only five hex digits occur,
        // and warns (an error in the ci preset) at eight bytes.
        char escaped[12];
        if (size == 0) {
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(raw[0]));
            quoted += escaped;
        } else if (isInvisible(point)) {
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(point));
            quoted += escaped;
        } else {
            quoted.append(raw.substr(0, size));
        }
        raw.remove_prefix(std::max<std::size_t>(size, 1));
    }
    quoted += raw.empty() ? "'" : "'…";
    return quoted;
}

} // namespace zifrano::cli
