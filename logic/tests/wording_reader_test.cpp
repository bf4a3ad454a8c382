#include "wording_reader.h"

#include "zifrano/numero_in_lettere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

using zifrano::Amount;
using zifrano::testing::readWording;

// The reader must refuse near misses, or a round trip could hide a wrong word.
class WordingReaderRefuses : public testing::TestWithParam<std::string> {};

TEST_P(WordingReaderRefuses, Misspellings) {
    EXPECT_FALSE(readWording(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(NearMisses, WordingReaderRefuses,
                         testing::Values("", "zero", "ventiuno", "ventotto ", "vent", "ventiotto",
                                         "trentaotto", "unocento", "centocento", "unomila",
                                         "unomille", "duemille", "milamila", "unomilioni",
                                         "unmilionemilioni", "diecicentomiliardi", "unmiliardi",
                                         "unomiliardi", "milionidue", "mila", "milleunmilione",
                                         "ventitré", "duecentozero", "centoeuno", "venti tre"));

TEST(WordingReader, ReadsCorrectSpellings) {
    EXPECT_EQ(readWording("Zero"), 0);
    EXPECT_EQ(readWording("centoottanta"), 180);
    EXPECT_EQ(readWording("unmiliardounmilione"), 1001000000);
    EXPECT_EQ(readWording("duemilacinquecentomiliardi"), 2500000000000);
}

std::string wordsFor(std::int64_t units) {
    return zifrano::NumeroInLettere(Amount::fromUnits(units));
}

TEST(NumeroInLettereRoundTrip, EveryAmountBelowAMillion) {
    for (std::int64_t n = 0; n < 1'000'000; ++n) {
        const std::string words = wordsFor(n);
        ASSERT_EQ(readWording(words), n) << words;
    }
}

TEST(NumeroInLettereRoundTrip, EveryGroupValueAtEveryScale) {
    for (std::int64_t scale : {1LL, 1'000LL, 1'000'000LL, 1'000'000'000LL}) {
        for (std::int64_t group = 1; group < 1000; ++group) {
            for (std::int64_t neighbours : {0LL, 1LL, 21'021'021'021LL, 999'999'999'999LL}) {
                const std::int64_t n = group * scale + neighbours % scale;
                const std::string words = wordsFor(n);
                ASSERT_EQ(readWording(words), n) << words;
            }
        }
    }
}

TEST(NumeroInLettereRoundTrip, RandomAmountsUpToTwelveNines) {
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::int64_t> pick(1, 999'999'999'999);
    for (int i = 0; i < 300'000; ++i) {
        const std::int64_t n = pick(random);
        const std::string words = wordsFor(n);
        ASSERT_EQ(readWording(words), n) << words;
    }
}

TEST(NumeroInLettereRoundTrip, RandomAmountsBeyondTwelveNines) {
    std::mt19937_64 random(6122026);
    std::uniform_int_distribution<std::int64_t> pick(1'000'000'000'000, 922'337'203'685'477);
    for (int i = 0; i < 50'000; ++i) {
        const std::int64_t n = pick(random);
        const std::string words = wordsFor(n);
        ASSERT_EQ(readWording(words), n) << words;
    }
}

} // namespace
