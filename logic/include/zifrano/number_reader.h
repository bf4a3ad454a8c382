#pragma once

#include <optional>
#include <string_view>

namespace zifrano {

/// Reads the number at the start of `text` the way a typed amount is read: blanks, tabs and line
/// feeds are ignored, then an optional sign, digits with at most one full stop and an optional
/// exponent; reading stops at the first character that cannot continue the number.
/// Text without a number reads as 0. Returns nothing when the number does not fit a double.
std::optional<double> readLeadingNumber(std::string_view text);

} // namespace zifrano
