#include "zifrano/numero_in_lettere.h"

#include "parole.h"
#include "whole_words.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zifrano {
namespace {

// The words of one group, in a block that a wording copies whole.
struct GroupWords {
    std::array<char, WordingBuffer::kBlock> text{};
    std::size_t size = 0;

    constexpr void append(std::string_view word) {
        for (const char c : word) {
            text.at(size++) = c;
        }
    }
    constexpr void dropLast() { --size; }
};

constexpr GroupWords wordBelowThousand(std::int64_t group) {
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
        s.dropLast();
    }
    s.append(parola(rest + 1));
    return s;
}

// The words of every group from 0 to 999, made from the number words when the program is
// compiled: a wording is then a few block copies, whatever its length.
constexpr std::array<GroupWords, 1000> kGroupWords = [] {
    std::array<GroupWords, 1000> table;
    for (std::int64_t g = 1; g < 1000; ++g) {
        table.at(static_cast<std::size_t>(g)) = wordBelowThousand(g);
    }
    return table;
}();

void appendGroup(WordingBuffer& out, std::int64_t group) {
    const GroupWords& words = kGroupWords.at(static_cast<std::size_t>(group));
    out.appendBlock(words.text.data(), words.size);
}

// A count of millions or thousands (0 to 999) with its scale word: "unmilione" for one,
// "duemilioni" for two, nothing for none.
void appendScaled(WordingBuffer& out, std::int64_t count, std::string_view single,
                  std::string_view many) {
    if (count == 1) {
        out.append(single);
    } else if (count > 1) {
        appendGroup(out, count);
        out.append(many);
    }
}

void appendPositive(WordingBuffer& out, std::int64_t whole) {
    const std::int64_t milliards = whole / 1'000'000'000;
    const std::int64_t belowMilliard = whole % 1'000'000'000;
    if (milliards == 1) {
        out.append("unmiliardo");
    } else if (milliards > 1) {
        // From a thousand milliards on, the count of milliards is worded by the same rules.
        appendPositive(out, milliards);
        out.append("miliardi");
    }
    appendScaled(out, belowMilliard / 1'000'000, "unmilione", "milioni");
    appendScaled(out, belowMilliard / 1'000 % 1'000, "mille", "mila");
    appendGroup(out, belowMilliard % 1'000);
}

} // namespace

void appendWholeUnits(WordingBuffer& out, std::int64_t whole) {
    if (whole == 0) {
        out.append("Zero");
    } else if (whole > 0) {
        appendPositive(out, whole);
    }
}

std::string NumeroInLettere(Amount amount) {
    WordingBuffer wording;
    if (!isFractionAlone(amount)) {
        appendWholeUnits(wording, amount.wholeUnits());
    }
    return wording.str();
}

} // namespace zifrano
