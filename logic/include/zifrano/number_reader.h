#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zifrano {

/// A number as it was written: its sign and its significant digits, scaled by a power of ten.
/// Nothing is rounded, so an amount can be taken from it exactly.
struct DecimalNumber {
    bool negative = false;
    std::string digits;        ///< significant digits, no leading zero; empty for zero
    std::int64_t exponent = 0; ///< the value is digits × 10^exponent

    /// The nearest double: an infinity of the number's sign when it is too large for one, 0 when
    /// too small.
    double toDouble() const;
};

/// What was read at the start of a text, and where the number ended.
struct LeadingNumber {
    DecimalNumber number;
    bool found = false;  ///< false when the text does not begin with a number (it reads as 0)
    std::size_t end = 0; ///< the offset just past the number, or 0 when none was found
};

/// Reads the number at the start of `text` the way a typed amount is read: blanks, tabs and line
/// feeds are passed over anywhere, then an optional sign, digits with at most one full stop and
/// an optional exponent of any length; reading stops at the first character that cannot
/// continue the number. Text without a number reads as 0.
LeadingNumber readLeadingNumber(std::string_view text);

} // namespace zifrano
