// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "reference_words.h"
#include "zifrano/numero_in_lettere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using zifrano::Amount;
using zifrano::test_support::referenceWords;

struct WordsCase {
    std::int64_t tenThousandths;
    std::string words;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.tenThousandths;
}

class WholeAmountWords : public testing::TestWithParam<WordsCase> {};

TEST_P(WholeAmountWords, WritesTheWordsTogether) {
    EXPECT_EQ(zifrano::NumeroInLettere(Amount{GetParam().tenThousandths}), GetParam().words);
}

constexpr std::int64_t kUnit = Amount::kScale;

// Readable spellings, since the engine and the reference could be wrong the same way.
INSTANTIATE_TEST_SUITE_P(
    Spellings, WholeAmountWords,
    testing::Values(WordsCase{0, "Zero"}, WordsCase{21 * kUnit, "ventuno"},
                    WordsCase{108 * kUnit, "centootto"}, WordsCase{180 * kUnit, "centoottanta"},
                    WordsCase{1001 * kUnit, "milleuno"}, WordsCase{101000 * kUnit, "centounomila"},
                    WordsCase{1001000000 * kUnit, "unmiliardounmilione"},
                    WordsCase{21000000000000 * kUnit, "ventunomilamiliardi"},
                    // The fraction never reaches the words; below one there are none, but for 0.
                    WordsCase{1234500, "centoventitre"},
                    WordsCase{std::numeric_limits<std::int64_t>::min(), ""}));

TEST(NumeroInLettereAgainstReference, EveryGroupValueAtEveryScale) {
    for (std::int64_t scale : {1LL, 1'000LL, 1'000'000LL, 1'000'000'000LL}) {
        for (std::int64_t group = 1; group < 1000; ++group) {
            for (std::int64_t below : {0LL, 1LL, 21'021'021'021LL, 999'999'999'999LL}) {
                const std::int64_t units = group * scale + below % scale;
                ASSERT_EQ(zifrano::NumeroInLettere(Amount::fromUnits(units)), referenceWords(units))
                    << units;
            }
        }
    }
}

} // namespace
