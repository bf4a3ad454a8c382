#include "zifrano/numero_in_lettere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using zifrano::Amount;

struct WordsCase {
    std::int64_t units;
    std::string words;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.units;
}

class NumeroInLettereOfWholeAmounts : public testing::TestWithParam<WordsCase> {};

TEST_P(NumeroInLettereOfWholeAmounts, WritesTheWordsTogether) {
    const WordsCase& c = GetParam();
    EXPECT_EQ(zifrano::NumeroInLettere(Amount::fromUnits(c.units)), c.words) << c.units;
}

INSTANTIATE_TEST_SUITE_P(Units, NumeroInLettereOfWholeAmounts,
                         testing::Values(WordsCase{0, "Zero"}, WordsCase{1, "uno"},
                                         WordsCase{17, "diciassette"}, WordsCase{20, "venti"},
                                         WordsCase{21, "ventuno"}, WordsCase{23, "ventitre"},
                                         WordsCase{28, "ventotto"}, WordsCase{31, "trentuno"},
                                         WordsCase{38, "trentotto"}, WordsCase{99, "novantanove"}));

INSTANTIATE_TEST_SUITE_P(Hundreds, NumeroInLettereOfWholeAmounts,
                         testing::Values(WordsCase{100, "cento"}, WordsCase{101, "centouno"},
                                         WordsCase{108, "centootto"}, WordsCase{111, "centoundici"},
                                         WordsCase{121, "centoventuno"},
                                         WordsCase{180, "centoottanta"}, WordsCase{200, "duecento"},
                                         WordsCase{999, "novecentonovantanove"}));

INSTANTIATE_TEST_SUITE_P(Thousands, NumeroInLettereOfWholeAmounts,
                         testing::Values(WordsCase{1000, "mille"}, WordsCase{1001, "milleuno"},
                                         WordsCase{1021, "milleventuno"},
                                         WordsCase{2000, "duemila"},
                                         WordsCase{21000, "ventunomila"},
                                         WordsCase{100000, "centomila"},
                                         WordsCase{101000, "centounomila"}));

INSTANTIATE_TEST_SUITE_P(
    MillionsAndMilliards, NumeroInLettereOfWholeAmounts,
    testing::Values(WordsCase{1000000, "unmilione"}, WordsCase{1000001, "unmilioneuno"},
                    WordsCase{1001000, "unmilionemille"}, WordsCase{1100000, "unmilionecentomila"},
                    WordsCase{2000000, "duemilioni"}, WordsCase{21000000, "ventunomilioni"},
                    WordsCase{1000000000, "unmiliardo"},
                    WordsCase{1001000000, "unmiliardounmilione"},
                    WordsCase{2500000000, "duemiliardicinquecentomilioni"},
                    WordsCase{999999999999,
                              "novecentonovantanovemiliardinovecentonovantanovemilioni"
                              "novecentonovantanovemilanovecentonovantanove"}));

// From a thousand milliards on, the milliards count is worded by the same rules.
INSTANTIATE_TEST_SUITE_P(
    BeyondTwelveNines, NumeroInLettereOfWholeAmounts,
    testing::Values(WordsCase{1000000000000, "millemiliardi"},
                    WordsCase{1000000000001, "millemiliardiuno"},
                    WordsCase{2500000000000, "duemilacinquecentomiliardi"},
                    WordsCase{21000000000000, "ventunomilamiliardi"},
                    WordsCase{1001000000000, "milleunomiliardi"},
                    WordsCase{922337203685477, "novecentoventiduemilatrecentotrentasettemiliardi"
                                               "duecentotremilioniseicentoottantacinquemila"
                                               "quattrocentosettantasette"}));

struct FractionCase {
    std::int64_t tenThousandths;
    std::string words;
};

void PrintTo(const FractionCase& c, std::ostream* os) {
    *os << c.tenThousandths;
}

class NumeroInLettereOfAnyAmount : public testing::TestWithParam<FractionCase> {};

TEST_P(NumeroInLettereOfAnyAmount, IgnoresTheFractionAndWordsNothingBelowOne) {
    const FractionCase& c = GetParam();
    EXPECT_EQ(zifrano::NumeroInLettere(Amount{c.tenThousandths}), c.words) << c.tenThousandths;
}

INSTANTIATE_TEST_SUITE_P(Cases, NumeroInLettereOfAnyAmount,
                         testing::Values(FractionCase{1234500, "centoventitre"},
                                         FractionCase{19999, "uno"}, FractionCase{5000, ""},
                                         FractionCase{1, ""}, FractionCase{-50000, ""},
                                         FractionCase{-1, ""},
                                         FractionCase{std::numeric_limits<std::int64_t>::min(), ""},
                                         FractionCase{9999999999999999,
                                                      "novecentonovantanovemiliardi"
                                                      "novecentonovantanovemilioni"
                                                      "novecentonovantanovemila"
                                                      "novecentonovantanove"}));

} // namespace
