#include "zifrano/amount.h"

#include "zifrano/number_reader.h"

#include <cmath>

namespace zifrano {
namespace {

// Ties go to the even neighbour, as money conversions do, so that halves do not drift upwards.
double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double excess = value - below;
    if (excess < 0.5) {
        return below;
    }
    if (excess > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

constexpr double kTwoToThe63 = 9'223'372'036'854'775'808.0;

} // namespace

std::optional<Amount> amountFromNumber(double number) {
    const double scaled = roundHalfToEven(number * static_cast<double>(Amount::kScale));
    if (!(scaled >= -kTwoToThe63 && scaled < kTwoToThe63)) {
        return std::nullopt;
    }
    return Amount{static_cast<std::int64_t>(scaled)};
}

std::optional<Amount> textToAmount(std::string_view text) {
    return amountFromNumber(readLeadingNumber(text));
}

} // namespace zifrano
