#pragma once

#include "zifrano/amount.h"

#include <string>

namespace zifrano {

/// Writes the euro form of `amount`: the words of its whole part (a floor), " / ", and the cents
/// as two digits rounded half to even, "centoventitre / 45". The whole part never grows when the
/// cents round up to 100: 1.995 gives "uno / 00".
std::string ImportoInLettere(Amount amount);

} // namespace zifrano
