// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <optional>
#include <string>
#include <string_view>

namespace zifrano {

/// What the window shows in place of a wording when the amount cannot be worded.
inline constexpr std::string_view kOutOfRangeText = "Importo fuori limite";

/// Both wordings of one amount.
struct Wordings {
    std::string euro; ///< "centoventitre / 45"
    std::string lire; ///< "centoventitre"

    friend bool operator==(const Wordings&, const Wordings&) = default;
};

/// Whether `amount` has a wording: a negative one has none, since its floor would misstate it on
/// a cheque.
constexpr bool isWordable(Amount amount) {
    return amount.tenThousandths >= 0;
}

/// Both wordings of `amount`, ImportoInLettere and NumeroInLettere, when it is wordable.
std::optional<Wordings> wordingsOf(Amount amount);

/// Turns the text standing in the amount field into both wordings. A comma there ends the
/// number, as one that was pasted in does. Returns nothing when the amount is out of range:
/// negative, or too large for the amount type.
std::optional<Wordings> wordingsFromFieldText(std::string_view fieldText);

/// Turns text as a user types it into both wordings: each comma becomes a full stop first, as
/// the field does with a typed comma, then as wordingsFromFieldText.
std::optional<Wordings> wordingsFromText(std::string_view typed);

} // namespace zifrano
