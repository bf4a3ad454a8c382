#include "zifrano/strict_reading.h"

#include "zifrano/number_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace zifrano {
namespace {

using namespace std::string_view_literals;

// "€" in UTF-8, the single byte 0x80 that stands for it in Windows-1252 (the Italian Excel's
// CSV), and its ISO code.
constexpr std::array kCurrencySigns = {"€"sv, "\x80"sv, "EUR"sv};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool equalIgnoringCase(std::string_view text, std::string_view upper) {
    return std::equal(text.begin(), text.end(), upper.begin(), upper.end(),
                      [](char a, char b) { return (a >= 'a' && a <= 'z' ? a - 32 : a) == b; });
}

std::string_view trimBlanks(std::string_view text) {
    for (std::size_t size = blankAt(text); size > 0; size = blankAt(text)) {
        text.remove_prefix(size);
    }
    for (std::size_t size = blankBefore(text); size > 0; size = blankBefore(text)) {
        text.remove_suffix(size);
    }
    return text;
}

// Takes a currency sign from the front of `text`, or from its back.
bool takeCurrency(std::string_view& text, bool atFront) {
    if (text.empty() || isDigit(atFront ? text.front() : text.back())) {
        return false; // the common case, told at once
    }
    for (const std::string_view sign : kCurrencySigns) {
        if (text.size() < sign.size()) {
            continue;
        }
        const std::size_t at = atFront ? 0 : text.size() - sign.size();
        if (equalIgnoringCase(text.substr(at, sign.size()), sign)) {
            text = atFront ? text.substr(sign.size()) : text.substr(0, at);
            return true;
        }
    }
    return false;
}

// What stands around the number: blanks, one currency sign and one sign, before or after, or the
// parentheses that mark a negative amount in accounts.
struct Affixes {
    std::string_view number;
    bool negative = false;
    bool dashForCents = false; ///< "12,-": whole euros, as some people write them
};

Affixes takeAffixes(std::string_view text) {
    Affixes taken;
    text = trimBlanks(text);
    bool sign = text.size() >= 2 && text.starts_with('(') && text.ends_with(')');
    if (sign) {
        taken.negative = true;
        text = trimBlanks(text.substr(1, text.size() - 2));
    }
    bool currency = false;
    for (bool took = true; took; text = trimBlanks(text)) {
        took = true;
        if (!currency && (takeCurrency(text, true) || takeCurrency(text, false))) {
            currency = true;
        } else if (!sign && (text.starts_with('-') || text.starts_with('+'))) {
            taken.negative = text.front() == '-';
            text.remove_prefix(1);
            sign = true;
        } else if (!sign && text.ends_with('-')) {
            text.remove_suffix(1);
            taken.dashForCents = text.ends_with(',') || text.ends_with('.');
            taken.negative = !taken.dashForCents;
            sign = true;
        } else {
            took = false;
        }
    }
    taken.number = text;
    return taken;
}

// The digits of a number and what stands between them: group(i) comes before separators[i].
struct Groups {
    // More groups than this make more digits than any amount has, even in groups of three.
    static constexpr std::size_t kMost = 16;

    std::array<std::string_view, kMost> groups;
    std::string separators; // '.', ',' or ' ' for any run of blanks

    std::size_t count() const { return separators.size() + 1; }
    std::string_view group(std::size_t i) const { return groups[i]; }
    auto begin() const { return groups.begin(); }
    auto end() const { return groups.begin() + static_cast<std::ptrdiff_t>(count()); }
};

std::optional<Refusal> splitGroups(std::string_view mantissa, Groups& split) {
    std::size_t at = 0;
    while (at < mantissa.size()) {
        if (isDigit(mantissa[at])) {
            const auto end = std::find_if_not(mantissa.begin() + static_cast<std::ptrdiff_t>(at),
                                              mantissa.end(), isDigit);
            const auto size = static_cast<std::size_t>(end - mantissa.begin()) - at;
            split.groups[split.separators.size()] = mantissa.substr(at, size);
            at += size;
            continue;
        }
        if (split.count() == Groups::kMost) {
            return Refusal::TooLong;
        }
        char separator = mantissa[at];
        if (const std::size_t blank = blankAt(mantissa.substr(at)); blank > 0) {
            separator = ' ';
            at += blank;
            while (const std::size_t more = blankAt(mantissa.substr(at))) {
                at += more;
            }
        } else if (separator == '.' || separator == ',') {
            ++at;
        } else {
            return Refusal::NotAnAmount;
        }
        split.separators += separator;
    }
    return std::nullopt;
}

// Where the decimals begin, in the separators: Italian figures have them after the comma, plain
// ones after the only full stop or comma.
std::variant<std::size_t, Refusal> decimalSeparator(const Groups& split, Figures figures) {
    const std::string& separators = split.separators;
    if (figures == Figures::ItalianThousands) {
        if (separators.find(',') != separators.rfind(',')) {
            return Refusal::NotAnAmount;
        }
        return std::min(separators.find(','), separators.size());
    }
    const std::size_t first = separators.find_first_of(".,");
    if (first != separators.find_last_of(".,")) {
        return Refusal::NeedsThousands;
    }
    return std::min(first, separators.size());
}

// Blanks and full stops may group the whole part by three, and nothing else.
bool groupedByThree(const Groups& split, std::size_t decimal) {
    if (decimal + 1 < split.count() - 1) {
        return false; // a separator among the decimals
    }
    if (decimal == 0) {
        return true;
    }
    const auto three = [](std::string_view group) { return group.size() == 3; };
    return !split.group(0).empty() && split.group(0).size() <= 3 &&
           std::all_of(split.begin() + 1, split.begin() + static_cast<std::ptrdiff_t>(decimal) + 1,
                       three);
}

// "1.234", "0,500" or "1234.500" without --migliaia: thousands, or decimals? An Italian reads the
// one full stop or comma before exactly three digits as a thousands separator, whatever stands
// before it, and a plain reader as the decimal point.
bool ambiguous(const Groups& split, std::size_t decimal) {
    return decimal + 2 == split.count() && split.group(decimal + 1).size() == 3;
}

// The exponent after an "e": a sign and digits, nothing else.
bool isExponent(std::string_view text) {
    if (text.starts_with('+') || text.starts_with('-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Whether the number has a digit other than 0 past the last decimal that `form` writes.
bool tooManyDecimals(const DecimalNumber& number, Form form) {
    const std::size_t significant = number.digits.find_last_not_of('0') + 1;
    const auto zeros = static_cast<std::int64_t>(number.digits.size() - significant);
    return !number.digits.empty() && number.exponent + zeros < (form == Form::Euro ? -2 : 0);
}

std::variant<DecimalNumber, Refusal> readNumber(std::string_view body, Figures figures) {
    const auto exponentMark =
        std::find_if(body.begin(), body.end(), [](char c) { return c == 'e' || c == 'E'; });
    const auto e = static_cast<std::size_t>(exponentMark - body.begin());
    if (e < body.size() && !isExponent(body.substr(e + 1))) {
        return Refusal::NotAnAmount;
    }
    Groups split;
    if (const auto refusal = splitGroups(body.substr(0, e), split)) {
        return *refusal;
    }
    if (std::all_of(split.begin(), split.end(),
                    [](std::string_view group) { return group.empty(); })) {
        return Refusal::NotAnAmount;
    }
    const auto decimal = decimalSeparator(split, figures);
    if (const auto* refusal = std::get_if<Refusal>(&decimal)) {
        // Pointing to --migliaia helps only where the Italian reading would take the number.
        const bool italian =
            *refusal == Refusal::NeedsThousands &&
            std::holds_alternative<DecimalNumber>(readNumber(body, Figures::ItalianThousands));
        return *refusal == Refusal::NeedsThousands && !italian ? Refusal::NotAnAmount : *refusal;
    }
    const std::size_t at = std::get<std::size_t>(decimal);
    if (!groupedByThree(split, at)) {
        return Refusal::BadGrouping;
    }
    if (figures == Figures::Plain && ambiguous(split, at)) {
        return Refusal::Ambiguous;
    }
    if (e == body.size()) {
        // Without an exponent the groups are the number's digits as they stand.
        DecimalNumber number;
        for (std::size_t i = 0; i < split.count(); ++i) {
            std::string_view group = split.group(i);
            if (i > at) {
                number.exponent -= static_cast<std::int64_t>(group.size());
            }
            // Zeros in front of the first significant digit say nothing.
            if (number.digits.empty()) {
                group.remove_prefix(std::min(group.find_first_not_of('0'), group.size()));
            }
            number.digits += group;
        }
        if (number.digits.empty()) {
            number.exponent = 0; // zero has no scale
        }
        return number;
    }
    // The number written plainly, for the one reader of numbers: digits, a full stop, exponent.
    std::array<char, 2 * kLongestAmount + 2> plain;
    auto end = plain.begin();
    for (std::size_t i = 0; i < split.count(); ++i) {
        end = std::copy(split.group(i).begin(), split.group(i).end(), end);
        if (i == at) {
            *end++ = '.';
        }
    }
    end = std::copy(body.begin() + static_cast<std::ptrdiff_t>(e), body.end(), end);
    return readLeadingNumber({plain.begin(), end}).number;
}

} // namespace

void AmountText::keep(std::string_view characters) {
    if ((m_kept += characters.size()) > kLongestAmount) {
        m_tooLong = true;
        m_text.clear();
    } else {
        m_text += characters;
    }
}

void AmountText::append(std::string_view piece) {
    m_shown.append(piece.substr(0, kShownBytes - std::min(m_shown.size(), kShownBytes)));
    while (!piece.empty() && !m_tooLong) {
        const char c = piece.front();
        if (c == ' ') {
            if (!m_text.empty() && m_text.back() != ' ') {
                m_text += c;
            }
            m_afterLeadingZero = false;
            piece.remove_prefix(1);
        } else if (m_digitSeen && !m_afterLeadingZero) {
            // Past the first digit, only runs of spaces are squeezed: the rest is kept as it is.
            const std::size_t run = std::min(piece.find(' '), piece.size());
            keep(piece.substr(0, run));
            piece.remove_prefix(run);
        } else {
            if (c != '0' || !m_afterLeadingZero) {
                keep(piece.substr(0, 1));
                m_afterLeadingZero = c == '0' && !m_digitSeen;
                m_digitSeen = m_digitSeen || isDigit(c);
            }
            piece.remove_prefix(1);
        }
    }
}

void AmountText::clear() {
    m_text.clear();
    m_shown.clear();
    m_kept = 0;
    m_tooLong = false;
    m_digitSeen = m_afterLeadingZero = false;
}

std::variant<Amount, Refusal> readAmount(const AmountText& text, Figures figures, Form form) {
    if (text.tooLong()) {
        return Refusal::TooLong;
    }
    if (trimBlanks(text.text()).empty()) {
        return Refusal::Empty;
    }
    const Affixes affixes = takeAffixes(text.text());
    const auto read = readNumber(affixes.number, figures);
    // "1.234,-" is told as it is, with or without --migliaia, where the figures read either way.
    if (affixes.dashForCents && (std::holds_alternative<DecimalNumber>(read) ||
                                 std::holds_alternative<DecimalNumber>(
                                     readNumber(affixes.number, Figures::ItalianThousands)))) {
        return Refusal::DashForCents;
    }
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return *refusal;
    }
    const auto& number = std::get<DecimalNumber>(read);
    if (affixes.negative && !number.digits.empty()) {
        return Refusal::Negative;
    }
    if (tooManyDecimals(number, form)) {
        return Refusal::TooManyDecimals;
    }
    const std::optional<Amount> amount = amountFromNumber(number);
    if (!amount) {
        return Refusal::OutOfRange;
    }
    return *amount;
}

std::variant<Amount, Refusal> readAmount(std::string_view text, Figures figures, Form form) {
    return readAmount(AmountText(text), figures, form);
}

std::optional<std::string> pastedAmount(std::string_view pasted) {
    while (!pasted.empty() && (pasted.back() == '\n' || pasted.back() == '\r')) {
        pasted.remove_suffix(1);
    }
    while (!pasted.empty() && (pasted.front() == '\n' || pasted.front() == '\r')) {
        pasted.remove_prefix(1);
    }
    auto read = readAmount(pasted, Figures::ItalianThousands, Form::Euro);
    if (std::holds_alternative<Refusal>(read)) {
        read = readAmount(pasted, Figures::Plain, Form::Euro);
    }
    const Amount* amount = std::get_if<Amount>(&read);
    if (!amount) {
        return std::nullopt;
    }
    std::string text = std::to_string(amount->wholeUnits());
    if (const std::int64_t cents = amount->fraction() / 100; cents != 0) {
        text += cents < 10 ? ".0" : ".";
        text += std::to_string(cents);
    }
    return text;
}

} // namespace zifrano
