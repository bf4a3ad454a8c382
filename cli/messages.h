// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/strict_reading.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// What every message of the tool begins with.
inline constexpr std::string_view kMessagePrefix = "zifrano-lettere: ";

/// The most characters of a text that a message quotes.
inline constexpr std::size_t kQuotedCharacters = 40;
static_assert(kShownBytes == 4 * kQuotedCharacters + 1, "a quoted text's bytes are kept whole");

/// What a refusal says to the user, in Italian, about the text `shown` (quoted as
/// quoteForTerminal quotes it): "non è un importo: '12abc'".
std::string describe(Refusal refusal, std::string_view shown);

/// `raw` as it can be shown on a terminal: quoted, at most `most` characters, with control
/// characters and bytes that are not UTF-8 written as \xNN and invisible spaces and marks as
/// \uXXXX, so that no input can drive the terminal or pass for a plain blank.
std::string quoteForTerminal(std::string_view raw, std::size_t most = kQuotedCharacters);

} // namespace zifrano::cli
