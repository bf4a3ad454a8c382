#include "zifrano/amount.h"

#include <algorithm>
#include <cstddef>

namespace zifrano {
namespace {

// The most digits a count of ten-thousandths can have: 2^63 has 19.
constexpr int kMostDigits = std::numeric_limits<std::uint64_t>::digits10; // 19

// Whether the digits dropped below the last one kept are worth more than half of it (1), exactly
// half (0) or less (-1).
int comparedWithHalf(std::string_view dropped) {
    if (dropped.empty() || dropped.front() < '5') {
        return -1;
    }
    if (dropped.front() > '5') {
        return 1;
    }
    return dropped.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

} // namespace

std::optional<Amount> amountFromNumber(const DecimalNumber& number) {
    // The count of ten-thousandths is digits × 10^(exponent + 4): the first `whole` digits, the
    // rest decide the rounding.
    const std::int64_t scale = number.exponent + 4;
    const auto size = static_cast<std::int64_t>(number.digits.size());
    const std::int64_t whole = std::max<std::int64_t>(0, size + scale);
    if (whole > kMostDigits) {
        return std::nullopt;
    }
    std::uint64_t count = 0;
    for (std::int64_t i = 0; i < whole; ++i) {
        const char digit = i < size ? number.digits[static_cast<std::size_t>(i)] : '0';
        count = count * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    // When zeros stand between the last digit kept and the first dropped, less than half is left.
    const std::string_view dropped =
        size + scale < 0 ? std::string_view()
                         : std::string_view(number.digits)
                               .substr(static_cast<std::size_t>(std::min(whole, size)));
    // Ties go to the even neighbour, as money conversions do, so that halves do not drift upwards.
    const int half = comparedWithHalf(dropped);
    if (half > 0 || (half == 0 && count % 2 != 0)) {
        ++count;
    }
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + number.negative;
    if (count > limit) {
        return std::nullopt;
    }
    // Through the unsigned type, so that -2^63 itself does not overflow on the way.
    const auto signedCount = number.negative ? 0 - count : count;
    return Amount{static_cast<std::int64_t>(signedCount)};
}

std::optional<Amount> textToAmount(std::string_view text) {
    return amountFromNumber(readLeadingNumber(text).number);
}

} // namespace zifrano
