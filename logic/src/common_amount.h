// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/strict_reading.h"

#include <optional>
#include <string_view>
#include <variant>

namespace zifrano {

/// The amounts nearly every text holds, read in one pass: digits, then perhaps the decimal
/// separator and one or two decimals; in the Italian notation the whole part may be grouped by
/// full stops. Nothing for anything else, which is left to the full readings: they give the same
/// for these.
std::optional<Amount> commonAmount(std::string_view text, Notation notation, Currency currency);

/// readAmount without its shortcut for the common amounts: every text goes the whole way. The
/// fuzzer holds the two to giving the same.
std::variant<Amount, Refusal> readAmountInFull(const AmountText& text, Notation notation,
                                               Currency currency);

} // namespace zifrano
