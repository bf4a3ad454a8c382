#include "zifrano/numero_in_lettere.h"

#include "parole.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zifrano {
namespace {

// Room for the longest wording of any amount the type holds, so that it is never reallocated.
constexpr std::size_t kLongestWording = 192;

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
            s.append(parola(hundreds + 1));
        }
        s.append("cento");
    }
    if (rest <= 20) {
        s.append(parola(rest + 1));
        return s;
    }
    const std::int64_t tens = rest / 10;
    s.append(parola(tens + 19));
    rest -= 10 * tens;
    // The tens word loses its vowel before a vowel: ventuno, trentotto.
    if (rest == 1 || rest == 8) {
        s.dropLastVowel();
    }
    s.append(parola(rest + 1));
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

std::string_view group(const GroupTable& table, std::int64_t count) {
    return table.at(static_cast<std::size_t>(count)).view();
}

// The words of a whole number of units above 0.
void appendWhole(std::string& s, std::int64_t units) {
    const std::int64_t milliards = units / 1'000'000'000;
    if (milliards < 1000) {
        s += group(kMilliards, milliards);
    } else {
        // From a thousand milliards on, the count of milliards is worded by the same rules.
        appendWhole(s, milliards);
        s += "miliardi";
    }
    s += group(kMillions, units / 1'000'000 % 1'000);
    s += group(kThousands, units / 1'000 % 1'000);
    s += group(kUnits, units % 1'000);
}

} // namespace

std::string NumeroInLettere(Amount amount) {
    if (amount.tenThousandths == 0) {
        return "Zero";
    }
    // A negative amount or a fraction alone has no whole units to word.
    std::string s;
    if (const std::int64_t units = amount.wholeUnits(); units > 0) {
        s.reserve(kLongestWording);
        appendWhole(s, units);
    }
    return s;
}

} // namespace zifrano
