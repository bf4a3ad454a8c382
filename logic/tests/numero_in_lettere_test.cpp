#include "wording_reader.h"
#include "zifrano/numero_in_lettere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>

namespace {

using zifrano::Amount;
using zifrano::testing::readWording;

struct WordsCase {
    std::int64_t tenThousandths;
    std::string words;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.tenThousandths;
}

class NumeroInLettere : public testing::TestWithParam<WordsCase> {};

TEST_P(NumeroInLettere, WritesTheWordsTogether) {
    EXPECT_EQ(zifrano::NumeroInLettere(Amount{GetParam().tenThousandths}), GetParam().words);
}

constexpr std::int64_t kUnit = Amount::kScale;

// Readable spellings, since a round trip cannot catch writer and reader wrong the same way.
INSTANTIATE_TEST_SUITE_P(
    Spellings, NumeroInLettere,
    testing::Values(WordsCase{0, "Zero"}, WordsCase{21 * kUnit, "ventuno"},
                    WordsCase{108 * kUnit, "centootto"}, WordsCase{180 * kUnit, "centoottanta"},
                    WordsCase{1001 * kUnit, "milleuno"}, WordsCase{101000 * kUnit, "centounomila"},
                    WordsCase{1001000000 * kUnit, "unmiliardounmilione"},
                    WordsCase{21000000000000 * kUnit, "ventunomilamiliardi"},
                    // The fraction never reaches the words; below one there are none, but for 0.
                    WordsCase{1234500, "centoventitre"}, WordsCase{5000, ""}, WordsCase{-1, ""},
                    WordsCase{std::numeric_limits<std::int64_t>::min(), ""}));

// The reader must refuse near misses, or a round trip could hide a wrong word.
TEST(WordingReader, RefusesNearMisses) {
    std::istringstream nearMisses(
        "|zero|ventiuno|ventotto |vent|ventiotto|trentaotto|unocento|centocento|unomila|unomille|"
        "duemille|milamila|unomilioni|unmilionemilioni|diecicentomiliardi|unmiliardi|unomiliardi|"
        "milionidue|mila|milleunmilione|ventitré|duecentozero|centoeuno|venti tre");
    for (std::string wrong; std::getline(nearMisses, wrong, '|');) {
        EXPECT_FALSE(readWording(wrong)) << wrong;
    }
}

void expectRoundTrip(std::int64_t units) {
    const std::string words = zifrano::NumeroInLettere(Amount::fromUnits(units));
    ASSERT_EQ(readWording(words), units) << words;
}

TEST(NumeroInLettereRoundTrip, EveryAmountBelowAMillion) {
    for (std::int64_t n = 0; n < 1'000'000; ++n) {
        expectRoundTrip(n);
    }
}

TEST(NumeroInLettereRoundTrip, EveryGroupValueAtEveryScale) {
    for (std::int64_t scale : {1LL, 1'000LL, 1'000'000LL, 1'000'000'000LL}) {
        for (std::int64_t group = 1; group < 1000; ++group) {
            for (std::int64_t below : {0LL, 1LL, 21'021'021'021LL, 999'999'999'999LL}) {
                expectRoundTrip(group * scale + below % scale);
            }
        }
    }
}

TEST(NumeroInLettereRoundTrip, RandomAmountsUpToTheTypesLimit) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::int64_t> pick(1, 922'337'203'685'477);
    std::uniform_int_distribution<std::int64_t> pickSmall(1, 999'999'999'999);
    for (int i = 0; i < 200'000; ++i) {
        expectRoundTrip(pick(random));
        expectRoundTrip(pickSmall(random));
    }
}

} // namespace
