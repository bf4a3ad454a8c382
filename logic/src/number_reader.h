// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zifrano {

/// A number as it was written: its sign and its significant digits, scaled by a power of ten.
/// Nothing is rounded, so an amount can be taken from it exactly. The digits are kept in fixed
/// room, enough for any text the strict reading takes; past it a typed text's further digits are
/// only remembered as being there, which is all that rounding to an amount needs.
class DecimalNumber {
public:
    static constexpr std::size_t kKeptDigits = 256;

    bool negative = false;
    std::int64_t exponent = 0; ///< the value is digits × 10^exponent, and a little more if inexact

    /// Significant digits, no leading zero; empty for zero.
    std::string_view digits() const { return {m_digits.data(), m_size}; }
    /// Whether digits other than 0 lie past the ones kept.
    bool inexact() const { return m_inexact; }
    bool isZero() const { return m_size == 0; }

    /// Appends a run of digits, which stand after the decimal separator when `fractional`.
    void appendDigits(std::string_view run, bool fractional);
    /// Multiplies by 10^power, with `power` bounded by kExponentBound.
    void scale(std::int64_t power);

    /// No text is long enough for its digits to move a number this far: an exponent beyond it
    /// says all there is to say (too large, or zero), and arithmetic on it cannot overflow.
    static constexpr std::int64_t kExponentBound = 1'000'000'000'000'000;

private:
    std::array<char, kKeptDigits> m_digits;
    std::size_t m_size = 0;
    bool m_inexact = false;
};

/// The power of ten written by `digits` (ASCII digits only), bounded by kExponentBound.
std::int64_t exponentOf(std::string_view digits);

/// Reads the number at the start of `text` the way a typed amount is read: blanks, tabs and line
/// feeds are passed over anywhere, then an optional sign, digits with at most one full stop and
/// an optional exponent of any length; reading stops at the first character that cannot continue
/// the number. Text without a number reads as 0. A comma is a full stop when `commaIsStop`, as
/// the field makes a typed one.
DecimalNumber readLeadingNumber(std::string_view text, bool commaIsStop = false);

/// The amount a number is worth, rounded to the nearest ten-thousandth with ties to even, with
/// no rounding error on the way. Returns nothing when it does not fit the amount type.
std::optional<Amount> amountFromNumber(const DecimalNumber& number);

/// Whether `number` is greater than the whole number `units`, exactly.
bool isGreater(const DecimalNumber& number, std::uint64_t units);

} // namespace zifrano
