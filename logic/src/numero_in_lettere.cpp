// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/numero_in_lettere.h"

#include "parole.h"
#include "wording.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace zifrano {
namespace {

// The words of a group from 0 to 999, put together when the program is compiled.
struct GroupWords {
    std::array<char, 40> text{}; // the longest, "quattrocentocinquantaquattromiliardi", has 36
    std::size_t size = 0;

    constexpr void append(std::string_view word) {
        for (const char c : word) {
            text.at(size++) = c;
        }
    }
    constexpr void dropLastVowel() { --size; }
    constexpr std::string_view view() const { return {text.data(), size}; }
};

constexpr GroupWords wordGroup(std::int64_t group) {
    GroupWords s;
    std::int64_t rest = group;
    if (rest > 99) {
        const std::int64_t hundreds = rest / 100;
        rest -= 100 * hundreds;
        if (hundreds != 1) {
            s.append(wordInSlot(hundreds + 1));
        }
        s.append("cento");
    }
    if (rest <= 20) {
        s.append(wordInSlot(rest + 1));
        return s;
    }
    const std::int64_t tens = rest / 10;
    s.append(wordInSlot(tens + 19));
    rest -= 10 * tens;
    // The tens word loses its vowel before a vowel: ventuno, trentotto.
    if (rest == 1 || rest == 8) {
        s.dropLastVowel();
    }
    s.append(wordInSlot(rest + 1));
    return s;
}

// The words of every group from 0 to 999 followed by its scale word, made when the program is
// compiled: one of a scale has a word of its own ("mille", "unmilione"), more take the plural
// after the group's words ("duemila", "duemilioni"). None has no words at all.
using GroupTable = std::array<GroupWords, 1000>;

constexpr GroupTable scaledGroups(std::string_view one, std::string_view many) {
    GroupTable table;
    table[1].append(one);
    for (std::int64_t g = 2; g < 1000; ++g) {
        GroupWords& words = table.at(static_cast<std::size_t>(g));
        words = wordGroup(g);
        words.append(many);
    }
    return table;
}

constexpr GroupTable kMilliards = scaledGroups("unmiliardo", "miliardi");
constexpr GroupTable kMillions = scaledGroups("unmilione", "milioni");
constexpr GroupTable kThousands = scaledGroups("mille", "mila");
constexpr GroupTable kUnits = scaledGroups("uno", "");

// The longest words a table has.
constexpr std::size_t longest(const GroupTable& table) {
    std::size_t most = 0;
    for (const GroupWords& words : table) {
        most = std::max(most, words.size);
    }
    return most;
}

// The largest amount has fewer than a million milliards: the milliards count is itself a
// thousands group and a units group, then "miliardi", then the three groups below a milliard.
// The euro form adds " / " and two digits.
static_assert(longest(kThousands) + longest(kUnits) + std::string_view("miliardi").size() +
                      longest(kMillions) + longest(kThousands) + longest(kUnits) +
                      std::string_view(" / 00").size() <=
                  Wording::kLongest,
              "the longest wording fits a Wording");
static_assert(std::numeric_limits<std::int64_t>::max() / Amount::kScale < 1'000'000'000'000'000);

std::string_view group(const GroupTable& table, std::int64_t count) {
    return table.at(static_cast<std::size_t>(count)).view();
}

// The words of a whole number of units above 0.
void appendWhole(Wording& s, std::int64_t units) {
    const std::int64_t milliards = units / 1'000'000'000;
    if (milliards < 1000) {
        s.append(group(kMilliards, milliards));
    } else {
        // From a thousand milliards on, the count of milliards is worded by the same rules.
        appendWhole(s, milliards);
        s.append("miliardi");
    }
    s.append(group(kMillions, units / 1'000'000 % 1'000));
    s.append(group(kThousands, units / 1'000 % 1'000));
    s.append(group(kUnits, units % 1'000));
}

} // namespace

void writeNumeroInLettere(Amount amount, Wording& wording) {
    if (amount.tenThousandths == 0) {
        wording.append("Zero");
    } else if (const std::int64_t units = amount.wholeUnits(); units > 0) {
        appendWhole(wording, units);
    }
    // A negative amount or a fraction alone has no whole units to word.
}

std::string NumeroInLettere(Amount amount) {
    Wording wording;
    writeNumeroInLettere(amount, wording);
    return std::string(wording.view());
}

void writeNumeroInLettere(Amount amount, std::string& wording) {
    Wording written;
    writeNumeroInLettere(amount, written);
    wording.assign(written.view());
}

} // namespace zifrano
