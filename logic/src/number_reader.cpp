#include "zifrano/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace zifrano {
namespace {

bool isIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text left to right, passing over blanks wherever they stand.
class Scanner {
public:
    explicit Scanner(std::string_view text)
        : m_text(text) {}

    char peek() {
        while (m_pos < m_text.size() && isIgnoredBlank(m_text[m_pos])) {
            ++m_pos;
        }
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void advance() { ++m_pos; }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

    // Appends the digits that follow, blanks between them passed over; false when there are none.
    bool takeDigits(std::string& out) {
        bool took = false;
        while (isDigit(peek())) {
            const auto run =
                std::find_if_not(m_text.begin() + static_cast<long>(m_pos), m_text.end(), isDigit);
            const auto end = static_cast<std::size_t>(run - m_text.begin());
            out.append(m_text.substr(m_pos, end - m_pos));
            m_pos = end;
            took = true;
        }
        return took;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The unsigned part of the number, cleaned of blanks, in the form std::from_chars takes.
struct Token {
    std::string text;
    std::size_t mantissaLength = 0;
    bool negative = false;
    bool hasDigits = false;
};

void readSign(Scanner& in, Token& token) {
    const char c = in.peek();
    if (c == '+' || c == '-') {
        token.negative = c == '-';
        in.advance();
    }
}

void readMantissa(Scanner& in, Token& token) {
    token.hasDigits = in.takeDigits(token.text);
    if (in.peek() == '.') {
        token.text += '.';
        in.advance();
        token.hasDigits = in.takeDigits(token.text) || token.hasDigits;
    }
    token.mantissaLength = token.text.size();
}

// An exponent counts only when digits follow the "e": "1e" and "1e+" read as 1.
void readExponent(Scanner& in, Token& token) {
    const char marker = in.peek();
    if (marker != 'e' && marker != 'E') {
        return;
    }
    const std::size_t start = in.position();
    in.advance();
    std::string part = "e";
    if (const char sign = in.peek(); sign == '+' || sign == '-') {
        part += sign;
        in.advance();
    }
    if (!in.takeDigits(part)) {
        in.rewind(start);
        return;
    }
    token.text += part;
}

Token scanNumber(std::string_view text) {
    Scanner in(text);
    Token token;
    readSign(in, token);
    readMantissa(in, token);
    if (token.hasDigits) {
        readExponent(in, token);
    }
    return token;
}

// Roughly where the leading significant digit stands (3 for "123.4e0", -1 for "0.05e0"): enough
// to tell an overflow from an underflow when a double cannot hold the number.
long decimalMagnitude(std::string_view mantissa, std::string_view exponent) {
    const std::size_t stop = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t significant = mantissa.find_first_of("123456789");
    long magnitude = 0;
    if (significant == std::string_view::npos) {
        return 0;
    }
    magnitude = significant < stop ? static_cast<long>(stop - significant)
                                   : -static_cast<long>(significant - stop - 1);
    // Any exponent beyond a million is out of a double's reach either way.
    long power = 0;
    for (const char c : exponent) {
        if (isDigit(c) && power < 1'000'000) {
            power = power * 10 + (c - '0');
        }
    }
    return exponent.find('-') == std::string_view::npos ? magnitude + power : magnitude - power;
}

} // namespace

double readLeadingNumber(std::string_view text) {
    const Token token = scanNumber(text);
    if (!token.hasDigits) {
        return 0.0;
    }
    double value = 0.0;
    const char* first = token.text.data();
    const char* last = first + token.text.size();
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        const std::string_view whole = token.text;
        const std::string_view mantissa = whole.substr(0, token.mantissaLength);
        // Too small for a double is simply zero; too large, beyond any limit.
        const bool tooLarge = decimalMagnitude(mantissa, whole.substr(token.mantissaLength)) > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return token.negative ? -value : value;
}

} // namespace zifrano
