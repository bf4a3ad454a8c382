// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zifrano {

/// The currency of the amounts, which decides the wordings asked for: the euro form with the
/// cents, or the whole amount alone (lire).
enum class Currency { Euro, Lire };

/// How amounts are written: a full stop or a comma before the decimals, or the Italian way, with
/// full stops grouping thousands and a comma before the decimals ("1.234.567,89").
enum class Notation { Plain, ItalianThousands };

/// Why a text is not an amount that can be worded.
enum class Refusal {
    Empty,
    NotAnAmount,
    Negative,
    DashForCents,    ///< "12,-": whole euros written with a dash for the cents
    Ambiguous,       ///< "12.500" read plainly: thousands or decimals? Only the notation can tell.
    NeedsThousands,  ///< "1.234,56" read plainly: two separators
    BadGrouping,     ///< a thousands separator out of place
    TooManyDecimals, ///< more than two decimals, in the euro form
    DecimalsInLire,  ///< decimals other than zeros, in the whole-amount form
    TooLong,
    OutOfRange,
};

/// Why a text is refused, in Italian, as a message tells it: "più di due decimali".
std::string_view refusalReason(Refusal refusal);

/// The bytes of a text kept as they came, to be quoted when it is refused: four for each of the
/// 40 characters a message quotes, and one past them, so that a cut shows.
inline constexpr std::size_t kShownBytes = 4 * 40 + 1;

/// The most characters an amount worth reading has, blanks and leading zeros aside.
inline constexpr std::size_t kLongestAmount = 256;

/// The text of one amount, gathered a piece at a time in bounded memory. Leading blanks, a run of
/// spaces after the first and zeros after the first digit when it is a zero (wherever the number
/// begins: after a sign, a currency sign or a blank) cannot make an amount long, so they are
/// dropped as they come; past kLongestAmount other characters the text is too long and
/// the rest is passed over. Its first bytes are kept as they came, to be shown in a message.
class AmountText {
public:
    AmountText() = default;
    explicit AmountText(std::string_view text) { append(text); }

    void append(std::string_view piece);
    void clear();

    std::string_view text() const { return {m_text.data(), m_size}; }
    bool tooLong() const { return m_tooLong; }
    /// The first bytes as they came: enough for the characters a message quotes.
    std::string_view shown() const { return {m_shown.data(), m_shownSize}; }

private:
    void keep(std::string_view characters);
    void keepSpace();

    // Fixed room, so that gathering a text never allocates: at most kLongestAmount characters,
    // with one space after each and one before the first.
    std::array<char, 2 * kLongestAmount + 1> m_text;
    std::size_t m_size = 0;
    std::array<char, kShownBytes> m_shown;
    std::size_t m_shownSize = 0;
    std::size_t m_kept = 0; // characters kept, spaces aside
    bool m_tooLong = false;
    bool m_digitSeen = false;
    bool m_afterLeadingZero = false; // the last character kept is a zero, the first digit
};

/// Reads `text` strictly as exactly one amount, as a person reading a spreadsheet reads it, or
/// refuses it: blanks around it and between groups of three digits, a currency sign (€, or EUR)
/// before or after it; never a digit more than the wording for `currency` can write, never a
/// grouping that could be read two ways.
std::variant<Amount, Refusal> readAmount(const AmountText& text, Notation notation,
                                         Currency currency);

/// readAmount of a whole text at once.
std::variant<Amount, Refusal> readAmount(std::string_view text, Notation notation,
                                         Currency currency);

/// A pasted text read as the document it comes from wrote it: strictly, the Italian way first
/// ("€ 1.234,56", "1.500"), then the plain way ("1234.56"), a line end around it aside (a copied
/// spreadsheet cell ends with one). The amount comes back as the window's field writes it, digits
/// and a full stop before the cents ("1234.56", "1500"); nothing when neither way reads the text
/// whole.
std::optional<std::string> pastedAmount(std::string_view pasted);

/// `text` without the blanks (a space, the no-break and thin spaces) and tabs around it.
std::string_view trimBlanksAndTabs(std::string_view text);

} // namespace zifrano
