#pragma once

#include "zifrano/number_reader.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace zifrano {

/// A sum of money as a signed count of ten-thousandths of a unit: exactly four decimals.
struct Amount {
    static constexpr std::int64_t kScale = 10'000;

    std::int64_t tenThousandths = 0;

    static constexpr Amount fromUnits(std::int64_t units) { return Amount{units * kScale}; }

    /// The largest whole number of units not greater than the amount (a floor, also below 0).
    constexpr std::int64_t wholeUnits() const {
        const std::int64_t quotient = tenThousandths / kScale;
        return tenThousandths % kScale < 0 ? quotient - 1 : quotient;
    }

    /// What lies above the whole part, in ten-thousandths: always 0 to 9999.
    constexpr std::int64_t fraction() const {
        const std::int64_t rest = tenThousandths % kScale;
        return rest < 0 ? rest + kScale : rest;
    }

    /// The whole part as an amount. The floor of the very lowest amounts lies below the type's
    /// range; they give the lowest whole amount instead, which has the same (empty) words.
    constexpr Amount wholePart() const {
        constexpr std::int64_t kLowest = std::numeric_limits<std::int64_t>::min() / kScale;
        return fromUnits(wholeUnits() < kLowest ? kLowest : wholeUnits());
    }

    friend constexpr bool operator==(Amount, Amount) = default;
};

/// The amount a number is worth, rounded to the nearest ten-thousandth with ties to even, with
/// no rounding error on the way. Returns nothing when it does not fit the amount type.
std::optional<Amount> amountFromNumber(const DecimalNumber& number);

/// Reads the leading number of `text` (see readLeadingNumber) as an amount.
/// Returns nothing when the number does not fit the amount type.
std::optional<Amount> textToAmount(std::string_view text);

} // namespace zifrano
