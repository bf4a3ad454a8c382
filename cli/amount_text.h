#pragma once

#include "zifrano/amount.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

namespace zifrano::cli {

/// How amounts are written: a full stop or a comma before the decimals, or the Italian way, with
/// full stops grouping thousands and a comma before the decimals ("1.234.567,89").
enum class Figures { Plain, ItalianThousands };

/// Why a text is not an amount that can be worded.
enum class Refusal { Empty, NotAnAmount, BadGrouping, TooLong, OutOfRange };

/// The most characters, blanks aside, that an amount worth reading has.
inline constexpr std::size_t kLongestAmount = 256;

/// Reads `text` as exactly one amount that can be worded: blanks around it and between its digits
/// are fine, anything else beside the number is refused, and so is an amount with no wording
/// (negative, or too large for the amount type) or a text longer than any amount.
std::variant<Amount, Refusal> readAmount(std::string_view text, Figures figures);

/// What a refusal says to the user, in Italian, about the text `shown` (quoted as
/// quoteForTerminal quotes it): "non è un importo: '12abc'".
std::string describe(Refusal refusal, std::string_view shown);

/// `raw` as it can be shown on a terminal: quoted, at most about 40 characters, and with control
/// characters and bytes that are not UTF-8 written as \xNN, so that no input can drive the
/// terminal.
std::string quoteForTerminal(std::string_view raw);

} // namespace zifrano::cli
