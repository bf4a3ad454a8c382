#include "zifrano/numero_in_lettere.h"

#include "parole.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zifrano {
namespace {

// The words of a group from 0 to 999, put together when the program is compiled.
struct GroupWords {
    std::array<char, 32> text{}; // the longest, "settecentosettantasette", has 23
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

constexpr std::array<GroupWords, 1000> kGroupWords = [] {
    std::array<GroupWords, 1000> table;
    for (std::int64_t g = 0; g < 1000; ++g) {
        table.at(static_cast<std::size_t>(g)) = wordGroup(g);
    }
    return table;
}();

std::string_view groupWords(std::int64_t group) {
    return kGroupWords.at(static_cast<std::size_t>(group)).view();
}

// A count of millions or thousands (0 to 999) with its scale word: "unmilione" for one,
// "duemilioni" for two, nothing for none.
void appendScaled(std::string& s, std::int64_t count, std::string_view one, std::string_view many) {
    if (count == 1) {
        s += one;
    } else if (count > 1) {
        s += groupWords(count);
        s += many;
    }
}

// The words of a whole number of units above 0.
void appendWhole(std::string& s, std::int64_t units) {
    const std::int64_t milliards = units / 1'000'000'000;
    if (milliards == 1) {
        s += "unmiliardo";
    } else if (milliards > 1) {
        // From a thousand milliards on, the count of milliards is worded by the same rules.
        appendWhole(s, milliards);
        s += "miliardi";
    }
    appendScaled(s, units / 1'000'000 % 1'000, "unmilione", "milioni");
    appendScaled(s, units / 1'000 % 1'000, "mille", "mila");
    s += groupWords(units % 1'000);
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
