// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// Feeds arbitrary text to the text-to-wordings function and checks what must hold for any text:
// the result depends on the text alone; it is out of range exactly when the number read is
// negative or too large for the amount type; an in-range euro wording ends in " / " and two
// digits after the whole-amount words; and those words are the tests' reference words for the
// amount's whole part.
#include "reference_words.h"

#include "number_reader.h"
#include "zifrano/typed_reading.h"
#include "zifrano/wordings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The nearest double, by the C library's reader: a second opinion on the engine's exact one.
double toDouble(const zifrano::DecimalNumber& number) {
    const std::string text = std::string(number.digits()) + 'e' + std::to_string(number.exponent);
    const double magnitude = number.isZero() ? 0.0 : std::strtod(text.c_str(), nullptr);
    return number.negative ? -magnitude : magnitude;
}

constexpr double kTwoToThe63 = 9'223'372'036'854'775'808.0;

// Out of range, judged from the number read: below -0.5 ten-thousandths it rounds to a negative
// amount; from 2^63 ten-thousandths on it does not fit. Right at those edges a double cannot
// tell, and the unit tests decide.
std::optional<bool> expectOutOfRange(std::string_view asTyped) {
    const double scaled = toDouble(zifrano::readLeadingNumber(asTyped)) * 10'000.0;
    if (std::abs(scaled + 0.5) < 1e-3 || std::abs(scaled - kTwoToThe63) < kTwoToThe63 * 1e-12) {
        return std::nullopt;
    }
    return !(scaled >= -0.5 && scaled < kTwoToThe63);
}

void checkWordings(const zifrano::Wordings& wordings, std::string_view asTyped) {
    const std::string& euro = wordings.euro;
    check(euro.size() >= 5);
    const std::string_view cents = std::string_view(euro).substr(euro.size() - 5);
    check(cents.substr(0, 3) == " / " && isDigit(cents[3]) && isDigit(cents[4]));
    const std::string_view words = std::string_view(euro).substr(0, euro.size() - 5);
    // The whole-amount wording is the euro wording's words, but for an amount below one.
    check(wordings.lire == words || (wordings.lire.empty() && words == "Zero"));
    const std::int64_t whole = zifrano::textToAmount(asTyped)->wholeUnits();
    check(words == zifrano::test_support::referenceWords(whole));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto wordings = zifrano::wordingsFromText(text);
    check(zifrano::wordingsFromText(text) == wordings);
    // The shortcut for common amounts reads as the whole reading does.
    check(zifrano::typedToAmount(text) ==
          zifrano::amountFromNumber(zifrano::readLeadingNumber(text, true)));

    std::string asTyped(text);
    std::replace(asTyped.begin(), asTyped.end(), ',', '.');
    if (const auto outOfRange = expectOutOfRange(asTyped)) {
        check(wordings.has_value() != *outOfRange);
    }
    if (wordings) {
        checkWordings(*wordings, asTyped);
    }
    return 0;
}
