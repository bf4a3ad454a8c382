// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace zifrano {

// The number words: n from 0 to 20 stands in slot n + 1, a tens digit t from 2 to 9 in slot
// t + 19, so "venti" serves both 20 and the tens digit 2. Slot 0 is never used.
inline constexpr std::array<std::string_view, 29> Parole{
    "",           "",         "uno",         "due",
    "tre",        "quattro",  "cinque",      "sei",
    "sette",      "otto",     "nove",        "dieci",
    "undici",     "dodici",   "tredici",     "quattordici",
    "quindici",   "sedici",   "diciassette", "diciotto",
    "diciannove", "venti",    "trenta",      "quaranta",
    "cinquanta",  "sessanta", "settanta",    "ottanta",
    "novanta",
};

// Every look-up is bounds-checked, so no amount can read past the table.
constexpr std::string_view wordInSlot(std::int64_t slot) {
    if (slot < 0 || slot >= static_cast<std::int64_t>(Parole.size())) {
        throw std::out_of_range("Parole slot out of range");
    }
    return Parole[static_cast<std::size_t>(slot)];
}

} // namespace zifrano
