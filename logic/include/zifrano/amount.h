// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <limits>

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

} // namespace zifrano
