// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

namespace zifrano::test_support {

// Italian cheque words written afresh, as plainly as the language states them, to hold the
// engine's words against: below twenty and the tens by name; a tens word loses its vowel before
// "uno" and "otto"; "cento" takes no "uno"; one thousand is "mille", one million "unmilione", one
// milliard "unmiliardo"; a thousand milliards and more are counted in words before "miliardi".
inline std::string referenceWords(std::int64_t n) {
    static const char* const below20[] = {"",        "uno",         "due",         "tre",
                                          "quattro", "cinque",      "sei",         "sette",
                                          "otto",    "nove",        "dieci",       "undici",
                                          "dodici",  "tredici",     "quattordici", "quindici",
                                          "sedici",  "diciassette", "diciotto",    "diciannove"};
    static const char* const tens[] = {"",          "",         "venti",    "trenta",  "quaranta",
                                       "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};
    const auto belowThousand = [](std::int64_t g) {
        std::string words = g < 100 ? "" : std::string(g < 200 ? "" : below20[g / 100]) + "cento";
        if (g % 100 < 20) {
            return words + below20[g % 100];
        }
        std::string ten = tens[g % 100 / 10];
        if (g % 10 == 1 || g % 10 == 8) {
            ten.pop_back();
        }
        return words + ten + below20[g % 10];
    };
    const auto scaled = [&](std::int64_t count, const char* one, const char* many) {
        return count == 0 ? "" : count == 1 ? std::string(one) : belowThousand(count) + many;
    };
    if (n == 0) {
        return "Zero";
    }
    const std::int64_t milliards = n / 1'000'000'000;
    const std::string high = milliards < 1000 ? scaled(milliards, "unmiliardo", "miliardi")
                                              : referenceWords(milliards) + "miliardi";
    return high + scaled(n / 1'000'000 % 1000, "unmilione", "milioni") +
           scaled(n / 1000 % 1000, "mille", "mila") + belowThousand(n % 1000);
}

} // namespace zifrano::test_support
