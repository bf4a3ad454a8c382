#include "zifrano/amount.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

using zifrano::Amount;

struct AmountCase {
    std::string text;
    std::optional<std::int64_t> tenThousandths;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TextToAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(TextToAmount, ScalesToTenThousandthsRoundingHalfToEven) {
    const AmountCase& c = GetParam();
    const std::optional<Amount> amount = zifrano::textToAmount(c.text);
    EXPECT_EQ(amount ? std::optional(amount->tenThousandths) : std::nullopt, c.tenThousandths);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToAmount,
    testing::Values(
        AmountCase{"123", 1230000}, AmountCase{"123.456", 1234560}, AmountCase{"abc", 0},
        AmountCase{"-5.25", -52500}, AmountCase{"0.05e2", 50000},
        // Ties at the fifth decimal go to the even ten-thousandth; anything above a tie goes up.
        AmountCase{"0.00125", 12}, AmountCase{"0.00135", 14}, AmountCase{"0.00005", 0},
        AmountCase{"0.000050000001", 1}, AmountCase{"-0.00025", -2}, AmountCase{"0.00004999", 0},
        AmountCase{"1.99999", 20000},
        // Exact however large, up to the type's limit of 2^63 - 1 ten-thousandths.
        AmountCase{"14411518807589", 144115188075890000},
        AmountCase{"100000000000001", 1000000000000010000},
        AmountCase{"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        AmountCase{"922337203685477.58075", std::nullopt},
        AmountCase{"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        AmountCase{"-922337203685477.5809", std::nullopt}, AmountCase{"1e20", std::nullopt},
        AmountCase{"1e400", std::nullopt}, AmountCase{"1e-400", 0}));

// An exact reference made with integer arithmetic on the digits of the text.
std::int64_t referenceTenThousandths(std::int64_t whole, const std::string& decimals) {
    std::int64_t count = whole;
    for (std::size_t i = 0; i < 4; ++i) {
        count = count * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    }
    const std::string rest = decimals.size() > 4 ? decimals.substr(4) : "";
    const bool tie = !rest.empty() && rest[0] == '5' && rest.find_first_not_of('0', 1) == rest.npos;
    if ((!rest.empty() && rest > "5" && !tie) || (tie && count % 2 != 0)) {
        ++count;
    }
    return count;
}

TEST(TextToAmount, IsExactFromTwelveNinesToTheTypesLimit) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::int64_t> pickWhole(999'999'999'999, 922'337'203'685'476);
    std::uniform_int_distribution<int> pickDigit(0, 9);
    for (int i = 0; i < 200'000; ++i) {
        const std::int64_t whole = pickWhole(random);
        std::string decimals;
        for (int places = i % 8; places > 0; --places) {
            decimals += static_cast<char>('0' + pickDigit(random));
        }
        const std::string text = std::to_string(whole) + (decimals.empty() ? "" : "." + decimals);
        ASSERT_EQ(zifrano::textToAmount(text), Amount{referenceTenThousandths(whole, decimals)})
            << text;
    }
}

// The whole part is a floor and the fraction never negative, to the ends of the type.
TEST(Amount, SplitsIntoWholePartAndFraction) {
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(Amount{-52500}.wholePart(), Amount::fromUnits(-6));
    EXPECT_EQ(Amount{-52500}.fraction(), 7500);
    EXPECT_EQ(Amount{kMin}.wholeUnits(), -922337203685478);
    EXPECT_EQ(Amount{kMin}.fraction(), 4192);
    EXPECT_LT(Amount{kMin}.wholePart().tenThousandths, 0);
    EXPECT_EQ(Amount{kMax}.wholePart(), Amount::fromUnits(922337203685477));
    EXPECT_EQ(Amount{kMax}.fraction(), 5807);
}

} // namespace
