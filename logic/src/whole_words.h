#pragma once

#include "zifrano/amount.h"

#include <cstdint>
#include <string>

namespace zifrano {

// The pieces both wordings are made of, so that one amount can be worded once for both.

// The words for a whole number of units: "Zero" for 0, nothing for a negative count.
std::string wordsForWholeUnits(std::int64_t whole);

// A fraction alone (0 < amount < 1) is not zero, yet has no whole units to word.
constexpr bool isFractionAlone(Amount amount) {
    return amount.tenThousandths != 0 && amount.wholeUnits() == 0;
}

// Appends " / " and the cents of `amount` as two digits to the words of its whole part.
void appendCents(std::string& words, Amount amount);

} // namespace zifrano
