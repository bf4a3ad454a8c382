#pragma once

#include <cstdint>
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

    friend constexpr bool operator==(Amount, Amount) = default;
};

/// Converts a number to an amount, rounding to the nearest ten-thousandth with ties to even.
/// Returns nothing when the result does not fit the amount type.
std::optional<Amount> amountFromNumber(double number);

/// Reads the leading number of `text` (see readLeadingNumber) as an amount.
/// Returns nothing when the number does not fit a double or the amount type.
std::optional<Amount> textToAmount(std::string_view text);

} // namespace zifrano
