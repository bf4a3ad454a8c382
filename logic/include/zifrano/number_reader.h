#pragma once

#include <string_view>

namespace zifrano {

/// Reads the number at the start of `text` the way a typed amount is read: blanks, tabs and line
/// feeds are ignored, then an optional sign, digits with at most one full stop and an optional
/// exponent; reading stops at the first character that cannot continue the number.
/// Text without a number reads as 0. A number too large for a double reads as an infinity of its
/// sign; one too small, as 0.
double readLeadingNumber(std::string_view text);

} // namespace zifrano
