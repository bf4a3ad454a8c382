// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "zifrano/amount.h"

#include <string>

namespace zifrano {

/// Writes the euro form of `amount`: the words of its whole part (a floor), " / ", and the cents
/// as two digits rounded half to even, "centoventitre / 45". The whole part never grows when the
/// cents round up to 100: 1.995 gives "uno / 00".
std::string ImportoInLettere(Amount amount);

/// ImportoInLettere written over `wording`, whose room is kept: wording amount after amount
/// allocates nothing once it has grown.
void writeImportoInLettere(Amount amount, std::string& wording);

} // namespace zifrano
