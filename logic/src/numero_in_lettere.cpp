#include "zifrano/numero_in_lettere.h"

#include "parole.h"
#include "whole_words.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zifrano {
namespace {

// The longest wording of an amount the type can hold is under 170 characters, cents included.
constexpr std::size_t kLongestWording = 192;

void wordBelowThousand(std::string& s, std::int64_t group) {
    std::int64_t rest = group;
    if (rest > 99) {
        const std::int64_t hundreds = rest / 100;
        rest -= 100 * hundreds;
        if (hundreds != 1) {
            s += parola(hundreds + 1);
        }
        s += "cento";
    }
    if (rest <= 20) {
        s += parola(rest + 1);
        return;
    }
    const std::int64_t tens = rest / 10;
    s += parola(tens + 19);
    rest -= 10 * tens;
    // The tens word loses its vowel before a vowel: ventuno, trentotto.
    if (rest == 1 || rest == 8) {
        s.pop_back();
    }
    s += parola(rest + 1);
}

// The words of every group from 0 to 999, made once from the number words: a wording is then a
// few appends, whatever its length.
const std::string& groupWords(std::int64_t group) {
    static const std::array<std::string, 1000> table = [] {
        std::array<std::string, 1000> words;
        for (std::int64_t g = 1; g < 1000; ++g) {
            wordBelowThousand(words[static_cast<std::size_t>(g)], g);
        }
        return words;
    }();
    return table.at(static_cast<std::size_t>(group));
}

struct Scale {
    std::int64_t size;
    std::string_view single; // the word for exactly one of this scale
    std::string_view many;   // appended to the count for more than one
};

constexpr std::array<Scale, 3> kScales{{
    {1'000'000'000, "unmiliardo", "miliardi"},
    {1'000'000, "unmilione", "milioni"},
    {1'000, "mille", "mila"},
}};

void appendWhole(std::string& s, std::int64_t whole) {
    for (const Scale& scale : kScales) {
        const std::int64_t count = whole / scale.size;
        if (count == 0) {
            continue;
        }
        if (count == 1) {
            s += scale.single;
        } else {
            // Below the milliards a count is under a thousand; a count of milliards may go on
            // into the thousands and is then worded by the same rules.
            appendWhole(s, count);
            s += scale.many;
        }
        whole -= count * scale.size;
    }
    s += groupWords(whole);
}

} // namespace

std::string wordsForWholeUnits(std::int64_t whole) {
    std::string s;
    // Room for the longest wording and its cents, so that neither grows the string again.
    s.reserve(kLongestWording);
    if (whole == 0) {
        s = "Zero";
    } else if (whole > 0) {
        appendWhole(s, whole);
    }
    return s;
}

std::string NumeroInLettere(Amount amount) {
    if (isFractionAlone(amount)) {
        return {};
    }
    return wordsForWholeUnits(amount.wholeUnits());
}

} // namespace zifrano
