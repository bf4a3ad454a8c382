#pragma once

#include "zifrano/amount.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace zifrano::cli {

/// What every message of the tool begins with.
inline constexpr std::string_view kMessagePrefix = "zifrano-lettere: ";

/// The wordings asked for: both, or with --lire only the whole amount.
enum class Form { Euro, Lire };

/// How amounts are written: a full stop or a comma before the decimals, or the Italian way, with
/// full stops grouping thousands and a comma before the decimals ("1.234.567,89").
enum class Figures { Plain, ItalianThousands };

/// Why a text is not an amount that can be worded.
enum class Refusal {
    Empty,
    NotAnAmount,
    Negative,
    DashForCents,    ///< "12,-": whole euros written with a dash for the cents
    Ambiguous,       ///< "12.500": thousands or decimals? Only --migliaia can tell.
    NeedsThousands,  ///< "1.234,56" without --migliaia
    BadGrouping,     ///< a thousands separator out of place
    TooManyDecimals, ///< more decimals than the form can write
    TooLong,
    OutOfRange,
};

/// The most characters of a text that a message quotes.
inline constexpr std::size_t kQuotedCharacters = 40;

/// The bytes of a text kept to be quoted in a message: four for each character, and one past them,
/// so that a cut shows.
inline constexpr std::size_t kShownBytes = 4 * kQuotedCharacters + 1;

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

    std::string_view text() const { return m_text; }
    bool tooLong() const { return m_tooLong; }
    /// The first bytes as they came: enough for the characters a message quotes.
    std::string_view shown() const { return m_shown; }

private:
    void keep(std::string_view characters);

    std::string m_text;
    std::string m_shown;
    std::size_t m_kept = 0; // characters kept, spaces aside
    bool m_tooLong = false;
    bool m_digitSeen = false;
    bool m_afterLeadingZero = false; // the last character kept is a zero, the first digit
};

/// Reads `text` strictly as exactly one amount, as a person reading a spreadsheet reads it, or
/// refuses it: blanks around it and between groups of three digits, a currency sign (€, or EUR)
/// before or after it; never a digit more than `form` can write, never a grouping that could be
/// read two ways.
std::variant<Amount, Refusal> readAmount(const AmountText& text, Figures figures, Form form);

/// What a refusal says to the user, in Italian, about the text `shown` (quoted as
/// quoteForTerminal quotes it): "non è un importo: '12abc'".
std::string describe(Refusal refusal, Form form, std::string_view shown);

/// `raw` as it can be shown on a terminal: quoted, at most `most` characters, with control
/// characters and bytes that are not UTF-8 written as \xNN and invisible spaces and marks as
/// \uXXXX, so that no input can drive the terminal or pass for a plain blank.
std::string quoteForTerminal(std::string_view raw, std::size_t most = kQuotedCharacters);

} // namespace zifrano::cli
