// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/strict_reading.h"

#include "blanks.h"
#include "common_amount.h"
#include "number_reader.h"

#include <algorithm>
#include <array>
#include <limits>
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
    std::array<char, kMost - 1> separatorRoom; // '.', ',' or ' ' for any run of blanks
    std::size_t separatorCount = 0;

    std::string_view separators() const { return {separatorRoom.data(), separatorCount}; }
    std::size_t count() const { return separatorCount + 1; }
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
            split.groups[split.separatorCount] = mantissa.substr(at, size);
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
        split.separatorRoom[split.separatorCount++] = separator;
    }
    return std::nullopt;
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

// Where the decimals begin, in the separators, read the Italian way: after the only comma, with
// the whole part grouped by three; nothing when the Italian way cannot read the number.
std::optional<std::size_t> italianDecimal(const Groups& split) {
    const std::string_view separators = split.separators();
    if (separators.find(',') != separators.rfind(',')) {
        return std::nullopt;
    }
    const std::size_t at = std::min(separators.find(','), separators.size());
    return groupedByThree(split, at) ? std::optional(at) : std::nullopt;
}

// Where the decimals begin, in the separators: the Italian notation has them after the comma, the
// plain one after the only full stop or comma.
std::variant<std::size_t, Refusal> decimalSeparator(const Groups& split, Notation notation) {
    if (notation == Notation::ItalianThousands) {
        if (const auto at = italianDecimal(split)) {
            return *at;
        }
        const std::string_view separators = split.separators();
        return separators.find(',') != separators.rfind(',') ? Refusal::NotAnAmount
                                                             : Refusal::BadGrouping;
    }
    const std::string_view separators = split.separators();
    const std::size_t first = separators.find_first_of(".,");
    if (first != separators.find_last_of(".,")) {
        // Pointing to the Italian notation helps only where it would take the number.
        return italianDecimal(split) ? Refusal::NeedsThousands : Refusal::NotAnAmount;
    }
    const std::size_t at = std::min(first, separators.size());
    return groupedByThree(split, at) ? std::variant<std::size_t, Refusal>(at)
                                     : Refusal::BadGrouping;
}

// "1.234", "0,500" or "1234.500" without --migliaia: thousands, or decimals? An Italian reads the
// one full stop or comma before exactly three digits as a thousands separator, whatever stands
// before it, and a plain reader as the decimal point.
bool ambiguous(const Groups& split, std::size_t decimal) {
    return decimal + 2 == split.count() && split.group(decimal + 1).size() == 3;
}

// The power of ten after an "e": a sign and digits, nothing else.
std::optional<std::int64_t> exponentAfterMark(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    if (text.empty() || !std::all_of(text.begin(), text.end(), isDigit)) {
        return std::nullopt;
    }
    const std::int64_t power = exponentOf(text);
    return negative ? -power : power;
}

// Whether the number has a digit other than 0 past the last decimal that `currency` writes.
bool tooManyDecimals(const DecimalNumber& number, Currency currency) {
    const std::string_view digits = number.digits();
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    const auto zeros = static_cast<std::int64_t>(digits.size() - significant);
    return !number.isZero() && number.exponent + zeros < (currency == Currency::Euro ? -2 : 0);
}

// A number split into its groups of digits, and the power of ten written after them.
struct SplitNumber {
    Groups split;
    std::int64_t exponent = 0;
};

std::variant<SplitNumber, Refusal> splitNumber(std::string_view body) {
    SplitNumber number;
    const std::size_t e = std::min(body.find_first_of("eE"), body.size());
    if (e < body.size()) {
        const auto exponent = exponentAfterMark(body.substr(e + 1));
        if (!exponent) {
            return Refusal::NotAnAmount;
        }
        number.exponent = *exponent;
    }
    if (const auto refusal = splitGroups(body.substr(0, e), number.split)) {
        return *refusal;
    }
    if (std::all_of(number.split.begin(), number.split.end(),
                    [](std::string_view group) { return group.empty(); })) {
        return Refusal::NotAnAmount;
    }
    return number;
}

std::variant<DecimalNumber, Refusal> readNumber(const SplitNumber& written, Notation notation) {
    const Groups& split = written.split;
    const auto decimal = decimalSeparator(split, notation);
    if (const auto* refusal = std::get_if<Refusal>(&decimal)) {
        return *refusal;
    }
    const std::size_t at = std::get<std::size_t>(decimal);
    if (notation == Notation::Plain && ambiguous(split, at)) {
        return Refusal::Ambiguous;
    }
    DecimalNumber number;
    for (std::size_t i = 0; i < split.count(); ++i) {
        number.appendDigits(split.group(i), i > at);
    }
    if (number.isZero()) {
        return DecimalNumber{}; // zero has no scale
    }
    number.scale(written.exponent);
    return number;
}

// Reads a common amount left to right, giving up at the first character it does not expect.
class CommonAmount {
public:
    CommonAmount(std::string_view text, Notation notation)
        : m_text(text)
        , m_italian(notation == Notation::ItalianThousands) {}

    std::optional<Amount> read(Currency currency) {
        if (!readWhole() || (m_at < m_text.size() && !readCents())) {
            return std::nullopt;
        }
        if (currency == Currency::Lire && m_cents != 0) {
            return std::nullopt; // refused, and told why by the full reading
        }
        return Amount{m_whole * Amount::kScale + m_cents * 100};
    }

private:
    // More whole digits than this are for the full reading to tell: the largest amount has 15.
    static constexpr std::size_t kMostWholeDigits = 14;
    static_assert(std::numeric_limits<std::int64_t>::max() / Amount::kScale > 99'999'999'999'999);

    bool readWhole() {
        std::size_t digits = 0;
        std::size_t group = 0; // digits since the last full stop grouping thousands
        bool grouped = false;
        for (; m_at < m_text.size(); ++m_at) {
            const char c = m_text[m_at];
            if (isDigit(c)) {
                if (++digits > kMostWholeDigits) {
                    return false;
                }
                m_whole = m_whole * 10 + (c - '0');
                ++group;
            } else if (c == '.' && m_italian) {
                if (group == 0 || group > 3 || (grouped && group != 3)) {
                    return false;
                }
                grouped = true;
                group = 0;
            } else {
                break;
            }
        }
        return digits > 0 && (!grouped || group == 3);
    }

    bool readCents() {
        const char separator = m_text[m_at];
        if (separator != ',' && (m_italian || separator != '.')) {
            return false;
        }
        const std::string_view decimals = m_text.substr(m_at + 1);
        if (decimals.empty() || decimals.size() > 2 ||
            !std::all_of(decimals.begin(), decimals.end(), isDigit)) {
            return false;
        }
        m_cents = (decimals[0] - '0') * 10 + (decimals.size() == 2 ? decimals[1] - '0' : 0);
        return true;
    }

    std::string_view m_text;
    bool m_italian;
    std::size_t m_at = 0;
    std::int64_t m_whole = 0;
    std::int64_t m_cents = 0;
};

} // namespace

std::optional<Amount> commonAmount(std::string_view text, Notation notation, Currency currency) {
    return CommonAmount(text, notation).read(currency);
}

std::string_view refusalReason(Refusal refusal) {
    switch (refusal) {
    case Refusal::Empty:
        return "manca l'importo";
    case Refusal::NotAnAmount:
        return "non è un importo";
    case Refusal::Negative:
        return "importo negativo";
    case Refusal::DashForCents:
        return "un trattino non è un decimale: un importo intero si scrive 12 o 12,00";
    case Refusal::Ambiguous:
        return "migliaia o decimali? Con --migliaia il punto separa le migliaia";
    case Refusal::NeedsThousands:
        return "più di un separatore: con --migliaia il punto separa le migliaia";
    case Refusal::BadGrouping:
        return "separatore delle migliaia fuori posto";
    case Refusal::TooManyDecimals:
        return "più di due decimali";
    case Refusal::DecimalsInLire:
        return "decimali in un importo in lire";
    case Refusal::TooLong:
        return "troppo lungo per essere un importo";
    case Refusal::OutOfRange:
        break;
    }
    return "importo fuori limite";
}

void AmountText::keep(std::string_view characters) {
    if ((m_kept += characters.size()) > kLongestAmount) {
        m_tooLong = true;
        m_size = 0;
    } else {
        std::copy(characters.begin(), characters.end(), m_text.begin() + m_size);
        m_size += characters.size();
    }
}

void AmountText::keepSpace() {
    if (m_size > 0 && m_text[m_size - 1] != ' ') {
        m_text[m_size++] = ' ';
    }
}

void AmountText::append(std::string_view piece) {
    const std::size_t shown = std::min(piece.size(), kShownBytes - m_shownSize);
    std::copy_n(piece.begin(), shown, m_shown.begin() + m_shownSize);
    m_shownSize += shown;
    while (!piece.empty() && !m_tooLong) {
        const char c = piece.front();
        if (c == ' ') {
            keepSpace();
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
    m_size = 0;
    m_shownSize = 0;
    m_kept = 0;
    m_tooLong = false;
    m_digitSeen = m_afterLeadingZero = false;
}

std::variant<Amount, Refusal> readAmount(const AmountText& text, Notation notation,
                                         Currency currency) {
    if (const auto amount = commonAmount(text.text(), notation, currency)) {
        return *amount;
    }
    return readAmountInFull(text, notation, currency);
}

std::variant<Amount, Refusal> readAmountInFull(const AmountText& text, Notation notation,
                                               Currency currency) {
    if (text.tooLong()) {
        return Refusal::TooLong;
    }
    if (trimBlanks(text.text()).empty()) {
        return Refusal::Empty;
    }
    const Affixes affixes = takeAffixes(text.text());
    const auto written = splitNumber(affixes.number);
    if (const auto* refusal = std::get_if<Refusal>(&written)) {
        return *refusal;
    }
    const auto read = readNumber(std::get<SplitNumber>(written), notation);
    // "1.234,-" is told as it is, with or without the Italian notation, where the digits read
    // either way.
    if (affixes.dashForCents &&
        (std::holds_alternative<DecimalNumber>(read) ||
         italianDecimal(std::get<SplitNumber>(written).split).has_value())) {
        return Refusal::DashForCents;
    }
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return *refusal;
    }
    const auto& number = std::get<DecimalNumber>(read);
    if (affixes.negative && !number.isZero()) {
        return Refusal::Negative;
    }
    if (tooManyDecimals(number, currency)) {
        return currency == Currency::Euro ? Refusal::TooManyDecimals : Refusal::DecimalsInLire;
    }
    const std::optional<Amount> amount = amountFromNumber(number);
    if (!amount) {
        return Refusal::OutOfRange;
    }
    return *amount;
}

std::variant<Amount, Refusal> readAmount(std::string_view text, Notation notation,
                                         Currency currency) {
    // Gathering a common amount would change nothing: it has no blanks, and its leading zeros
    // make no group too long that would not be too long without them.
    if (const auto amount = commonAmount(text, notation, currency)) {
        return *amount;
    }
    return readAmountInFull(AmountText(text), notation, currency);
}

std::optional<std::string> pastedAmount(std::string_view pasted) {
    while (!pasted.empty() && (pasted.back() == '\n' || pasted.back() == '\r')) {
        pasted.remove_suffix(1);
    }
    while (!pasted.empty() && (pasted.front() == '\n' || pasted.front() == '\r')) {
        pasted.remove_prefix(1);
    }
    auto read = readAmount(pasted, Notation::ItalianThousands, Currency::Euro);
    if (std::holds_alternative<Refusal>(read)) {
        read = readAmount(pasted, Notation::Plain, Currency::Euro);
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

std::string_view trimBlanksAndTabs(std::string_view text) {
    const auto blankOrTab = [](std::string_view rest) {
        return rest.starts_with('\t') ? 1 : blankAt(rest);
    };
    for (std::size_t size = blankOrTab(text); size > 0; size = blankOrTab(text)) {
        text.remove_prefix(size);
    }
    for (std::size_t size = 1; size > 0; text.remove_suffix(size)) {
        size = text.ends_with('\t') ? 1 : blankBefore(text);
    }
    return text;
}

} // namespace zifrano
