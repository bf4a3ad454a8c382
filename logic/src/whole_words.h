#pragma once

#include "wording_buffer.h"
#include "zifrano/amount.h"

#include <cstdint>

namespace zifrano {

// The pieces both wordings are made of, so that one amount can be worded once for both.

// Appends the words for a whole number of units: "Zero" for 0, nothing for a negative count.
void appendWholeUnits(WordingBuffer& out, std::int64_t whole);

// A fraction alone (0 < amount < 1) is not zero, yet has no whole units to word.
constexpr bool isFractionAlone(Amount amount) {
    return amount.tenThousandths != 0 && amount.wholeUnits() == 0;
}

// Appends " / " and the cents of `amount` as two digits.
void appendCents(WordingBuffer& out, Amount amount);

} // namespace zifrano
