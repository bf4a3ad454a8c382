// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <string>

namespace zifrano {

/// Writes the whole part of `amount` in Italian words joined without spaces, as on a cheque:
/// "centoventitre" for 123.45. Exactly 0 gives "Zero"; an amount below 1 that is not 0
/// (negative, or a fraction alone) gives the empty wording. From a thousand milliards on, the
/// milliards count is itself worded and followed by "miliardi" ("millemiliardi").
std::string NumeroInLettere(Amount amount);

/// NumeroInLettere written over `wording`, whose room is kept: wording amount after amount
/// allocates nothing once it has grown.
void writeNumeroInLettere(Amount amount, std::string& wording);

} // namespace zifrano
