#include "zifrano/number_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

namespace zifrano {
namespace {

// No text is long enough for its digits to move a number this far: an exponent beyond it says
// all there is to say (too large, or zero), and arithmetic on it cannot overflow.
constexpr std::int64_t kExponentBound = 1'000'000'000'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text left to right, passing over blanks wherever they stand.
class Scanner {
public:
    explicit Scanner(std::string_view text)
        : m_text(text) {}

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
};

// Digits before and after the full stop; false when there are none on either side.
bool readMantissa(Scanner& in, DecimalNumber& number) {
    bool sawDigit = false;
    bool afterStop = false;
    for (;;) {
        if (const std::string_view run = in.takeDigits(); !run.empty()) {
            sawDigit = true;
            // Zeros in front of the first significant digit say nothing.
            const std::size_t first =
                number.digits.empty() ? std::min(run.find_first_not_of('0'), run.size()) : 0;
            number.digits.append(run.substr(first));
            // Each digit after the stop divides what the digits say by ten.
            if (afterStop) {
                number.exponent -= static_cast<std::int64_t>(run.size());
            }
        } else if (!afterStop && in.take('.')) {
            afterStop = true;
        } else {
            return sawDigit;
        }
    }
}

// An exponent counts only when digits follow the "e": "1e" and "1e+" read as 1.
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
    for (char c = in.peek(); isDigit(c); c = in.peek()) {
        power = std::min(kExponentBound, power * 10 + (c - '0'));
        in.advance();
    }
    number.exponent += negative ? -power : power;
}

} // namespace

double DecimalNumber::toDouble() const {
    if (digits.empty()) {
        return 0.0;
    }
    const std::string text = digits + 'e' + std::to_string(exponent);
    double value = 0.0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
        std::errc::result_out_of_range) {
        // The leading digit stands at 10^(size + exponent - 1): above 1 it overflowed.
        const bool tooLarge = static_cast<std::int64_t>(digits.size()) + exponent > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

LeadingNumber readLeadingNumber(std::string_view text) {
    Scanner in(text);
    LeadingNumber read;
    read.number.negative = in.peek() == '-';
    in.takeSign();
    if (!readMantissa(in, read.number)) {
        return {};
    }
    readExponent(in, read.number);
    read.found = true;
    read.end = in.position();
    if (read.number.digits.empty()) {
        read.number = DecimalNumber{}; // zero has no sign and no scale
    }
    return read;
}

} // namespace zifrano
