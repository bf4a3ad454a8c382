// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/typed_reading.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using zifrano::Amount;

struct AmountCase {
    std::string text;
    std::optional<std::int64_t> tenThousandths;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << '"' << c.text.substr(0, 40) << '"';
}

class TextToAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(TextToAmount, ReadsTheLeadingNumberRoundingHalfToEven) {
    const std::optional<Amount> amount = zifrano::textToAmount(GetParam().text);
    EXPECT_EQ(amount ? std::optional(amount->tenThousandths) : std::nullopt,
              GetParam().tenThousandths);
}

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Rounding, TextToAmount,
    testing::Values(
        // Ties at the fifth decimal go to the even ten-thousandth; anything above a tie goes up.
        AmountCase{"0.00125", 12}, AmountCase{"0.00135", 14}, AmountCase{"0.00005", 0},
        AmountCase{"0.000050000001", 1}, AmountCase{"-0.00025", -2}, AmountCase{"0.00004999", 0},
        AmountCase{"1.99999", 20000}, AmountCase{"9.99995", 100000}, AmountCase{"0.000009", 0},
        AmountCase{"-0.000099", -1}, AmountCase{"0.00009", 1},
        // Exact however large, up to the type's limit of 2^63 - 1 ten-thousandths.
        AmountCase{"999999999999.99995", 10'000'000'000'000'000},
        AmountCase{"123456789012345.67885", 1'234'567'890'123'456'788},
        AmountCase{"14411518807589", 144115188075890000}, AmountCase{"922337203685477.5807", kMax},
        AmountCase{"922337203685477.58075", std::nullopt},
        AmountCase{"-922337203685477.5808", -kMax - 1},
        AmountCase{"-922337203685477.5809", std::nullopt}, AmountCase{"1e19", std::nullopt}));

} // namespace

namespace {

struct AboveCase {
    std::string text;
    bool above;
};

void PrintTo(const AboveCase& c, std::ostream* os) {
    *os << '"' << c.text.substr(0, 40) << '"';
}

class StartsAbove : public testing::TestWithParam<AboveCase> {};

TEST_P(StartsAbove, ComparesTheNumberReadExactly) {
    EXPECT_EQ(zifrano::startsAbove(GetParam().text, 999'999'999'999), GetParam().above);
}

const std::string kTwelveNines = "999999999999";

// Past what a double tells apart: the comparison is of the digits as written.
INSTANTIATE_TEST_SUITE_P(
    TheWindowsLimit, StartsAbove,
    testing::Values(AboveCase{kTwelveNines, false}, AboveCase{kTwelveNines + ".000", false},
                    AboveCase{kTwelveNines + ".0000000000000000001", true},
                    AboveCase{kTwelveNines + "." + std::string(300, '0') + "1", true},
                    AboveCase{"0" + kTwelveNines + "e0", false}, AboveCase{"1e12", true},
                    AboveCase{"99999999999.99999999999", false}, AboveCase{"999999999998.9", false},
                    AboveCase{"899999999999.5", false}, AboveCase{"-1e30", false},
                    AboveCase{"1000000000000", true}, AboveCase{"0.1e13", true},
                    AboveCase{"abc", false}, AboveCase{kTwelveNines + ",5", false}));

} // namespace
