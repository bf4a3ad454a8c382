// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zifrano {

/// Reads the amount at the start of a typed text, as the window's field reads it: blanks, tabs and
/// line feeds are passed over anywhere, then an optional sign, digits with at most one full stop
/// and an optional exponent; reading stops at the first character that cannot continue the
/// number, and a text without one reads as 0. The number is rounded to the nearest
/// ten-thousandth, ties to even, with no rounding error on the way. Returns nothing when it does
/// not fit the amount type.
std::optional<Amount> textToAmount(std::string_view text);

/// textToAmount of a text as a user types it into the field, where each comma becomes a full
/// stop.
std::optional<Amount> typedToAmount(std::string_view typed);

/// Whether the number at the start of `text`, read as textToAmount reads it but not rounded, is
/// greater than `units`: exactly, however many digits it has.
bool startsAbove(std::string_view text, std::uint64_t units);

} // namespace zifrano
