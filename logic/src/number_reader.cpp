// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "number_reader.h"

#include "blanks.h"
#include "common_amount.h"
#include "zifrano/typed_reading.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>
#include <utility>

namespace zifrano {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The most digits a count of ten-thousandths can have: 2^63 has 19.
constexpr int kMostDigits = std::numeric_limits<std::uint64_t>::digits10; // 19

std::int64_t boundedExponent(std::int64_t power) {
    return std::clamp(power, -DecimalNumber::kExponentBound, DecimalNumber::kExponentBound);
}

// Walks the text left to right, passing over blanks wherever they stand.
class Scanner {
public:
    Scanner(std::string_view text, bool commaIsStop)
        : m_text(text)
        , m_commaIsStop(commaIsStop) {}

    char peek() {
        for (std::size_t blank = skippable(); blank > 0; blank = skippable()) {
            m_pos += blank;
        }
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    // Passes over the character that peek() gave.
    void advance() { ++m_pos; }
    // The run of digits that starts here, once blanks are passed over.
    std::string_view takeDigits() {
        peek();
        const auto end = std::find_if_not(m_text.begin() + static_cast<std::ptrdiff_t>(m_pos),
                                          m_text.end(), isDigit);
        const std::size_t start =
            std::exchange(m_pos, static_cast<std::size_t>(end - m_text.begin()));
        return m_text.substr(start, m_pos - start);
    }
    bool take(char c) {
        if (peek() != c) {
            return false;
        }
        advance();
        return true;
    }
    bool takeSign() { return take('+') || take('-'); }
    bool takeStop() { return take('.') || (m_commaIsStop && take(',')); }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

private:
    // The length of the blank, tab or line feed that stands here, or 0.
    std::size_t skippable() const {
        if (m_pos == m_text.size() || isDigit(m_text[m_pos])) {
            return 0;
        }
        const char c = m_text[m_pos];
        return c == '\t' || c == '\n' ? 1 : blankAt(m_text.substr(m_pos));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_commaIsStop;
};

// Digits before and after the full stop; false when there are none on either side.
bool readMantissa(Scanner& in, DecimalNumber& number) {
    bool sawDigit = false;
    bool afterStop = false;
    for (;;) {
        if (const std::string_view run = in.takeDigits(); !run.empty()) {
            sawDigit = true;
            number.appendDigits(run, afterStop);
        } else if (!afterStop && in.takeStop()) {
            afterStop = true;
        } else {
            return sawDigit;
        }
    }
}

// An exponent counts only when digits follow the "e": "1e" and "1e+" read as 1. Blanks may stand
// among its digits, as anywhere in a typed number.
void readExponent(Scanner& in, DecimalNumber& number) {
    const std::size_t start = in.position();
    if (!in.take('e') && !in.take('E')) {
        return;
    }
    const bool negative = in.peek() == '-';
    in.takeSign();
    if (!isDigit(in.peek())) {
        in.rewind(start);
        return;
    }
    std::int64_t power = 0;
    for (std::string_view run = in.takeDigits(); !run.empty(); run = in.takeDigits()) {
        power = boundedExponent(power * 10 + exponentOf(run)); // never more than 10^19 on the way
    }
    number.scale(negative ? -power : power);
}

// Whether the digits dropped below the last one kept are worth more than half of it (1), exactly
// half (0) or less (-1); `inexact` when digits other than 0 lie beyond them.
int comparedWithHalf(std::string_view dropped, bool inexact) {
    if (dropped.empty() || dropped.front() < '5') {
        return -1;
    }
    if (dropped.front() > '5' || inexact) {
        return 1;
    }
    return dropped.find_first_not_of('0', 1) == std::string_view::npos ? 0 : 1;
}

} // namespace

void DecimalNumber::appendDigits(std::string_view run, bool fractional) {
    if (m_size == 0) {
        // Zeros in front of the first significant digit say nothing but their place.
        const std::size_t zeros = std::min(run.find_first_not_of('0'), run.size());
        exponent -= fractional ? static_cast<std::int64_t>(zeros) : 0;
        run.remove_prefix(zeros);
    }
    const std::size_t kept = std::min(run.size(), kKeptDigits - m_size);
    std::copy_n(run.begin(), kept, m_digits.begin() + m_size);
    m_size += kept;
    if (fractional) {
        exponent -= static_cast<std::int64_t>(kept);
    } else {
        // A whole digit that finds no room still multiplies the kept ones by ten.
        exponent += static_cast<std::int64_t>(run.size() - kept);
    }
    m_inexact = m_inexact || run.find_first_not_of('0', kept) != std::string_view::npos;
}

void DecimalNumber::scale(std::int64_t power) {
    exponent = boundedExponent(exponent + power);
}

std::int64_t exponentOf(std::string_view digits) {
    std::int64_t power = 0;
    for (const char c : digits) {
        power = std::min(DecimalNumber::kExponentBound, power * 10 + (c - '0'));
    }
    return power;
}

DecimalNumber readLeadingNumber(std::string_view text, bool commaIsStop) {
    Scanner in(text, commaIsStop);
    DecimalNumber number;
    number.negative = in.peek() == '-';
    in.takeSign();
    if (!readMantissa(in, number) || number.isZero()) {
        return {}; // no number reads as 0, and zero has no sign and no scale
    }
    readExponent(in, number);
    return number;
}

std::optional<Amount> amountFromNumber(const DecimalNumber& number) {
    // The count of ten-thousandths is digits × 10^(exponent + 4): the first `whole` digits, the
    // rest decide the rounding.
    const std::string_view digits = number.digits();
    const std::int64_t scale = number.exponent + 4;
    const auto size = static_cast<std::int64_t>(digits.size());
    const std::int64_t whole = std::max<std::int64_t>(0, size + scale);
    if (whole > kMostDigits) {
        return std::nullopt;
    }
    std::uint64_t count = 0;
    for (std::int64_t i = 0; i < whole; ++i) {
        const char digit = i < size ? digits[static_cast<std::size_t>(i)] : '0';
        count = count * 10 + static_cast<std::uint64_t>(digit - '0');
    }
    // When zeros stand between the last digit kept and the first dropped, less than half is left.
    const std::string_view dropped =
        size + scale < 0 ? std::string_view()
                         : digits.substr(static_cast<std::size_t>(std::min(whole, size)));
    // Ties go to the even neighbour, as money conversions do, so that halves do not drift upwards.
    const int half = comparedWithHalf(dropped, number.inexact());
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

bool isGreater(const DecimalNumber& number, std::uint64_t units) {
    if (number.negative || number.isZero()) {
        return false;
    }
    std::array<char, kMostDigits + 1> written;
    const auto end = std::to_chars(written.begin(), written.end(), units).ptr;
    const std::string_view limit(written.data(), static_cast<std::size_t>(end - written.begin()));
    const std::string_view digits = number.digits();
    // The number's first digit, never 0, stands at 10^(wholeDigits - 1).
    const std::int64_t wholeDigits = static_cast<std::int64_t>(digits.size()) + number.exponent;
    if (units == 0 || wholeDigits != static_cast<std::int64_t>(limit.size())) {
        return units == 0 || wholeDigits > static_cast<std::int64_t>(limit.size());
    }
    for (std::size_t i = 0; i < limit.size(); ++i) {
        const char digit = i < digits.size() ? digits[i] : '0';
        if (digit != limit[i]) {
            return digit > limit[i];
        }
    }
    return number.inexact() ||
           digits.find_first_not_of('0', limit.size()) != std::string_view::npos;
}

std::optional<Amount> textToAmount(std::string_view text) {
    return amountFromNumber(readLeadingNumber(text));
}

std::optional<Amount> typedToAmount(std::string_view typed) {
    // What is typed is mostly an amount alone, with its cents: for it, a comma is the full stop.
    if (const auto amount = commonAmount(typed, Notation::Plain, Currency::Euro)) {
        return amount;
    }
    return amountFromNumber(readLeadingNumber(typed, true));
}

bool startsAbove(std::string_view text, std::uint64_t units) {
    return isGreater(readLeadingNumber(text), units);
}

} // namespace zifrano
