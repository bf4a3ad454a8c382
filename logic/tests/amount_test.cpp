#include "zifrano/amount.h"

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
    *os << '"' << c.text << '"';
}

class TextToAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(TextToAmount, ScalesToTenThousandthsRoundingHalfToEven) {
    const AmountCase& c = GetParam();
    const std::optional<Amount> amount = zifrano::textToAmount(c.text);
    ASSERT_EQ(amount.has_value(), c.tenThousandths.has_value()) << c.text;
    if (amount) {
        EXPECT_EQ(amount->tenThousandths, *c.tenThousandths) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TextToAmount,
                         testing::Values(AmountCase{"123", 1230000}, AmountCase{"123.456", 1234560},
                                         AmountCase{"abc", 0}, AmountCase{"-5.25", -52500},
                                         // Ties at the fifth decimal go to the even ten-thousandth.
                                         AmountCase{"0.00125", 12}, AmountCase{"0.00135", 14},
                                         AmountCase{"0.00005", 0}, AmountCase{"-0.00025", -2},
                                         AmountCase{"999999999999.99", 9999999999999900},
                                         // The amount type holds about 922 million million units.
                                         AmountCase{"900000000000000", 9000000000000000000},
                                         AmountCase{"922337203685478", std::nullopt},
                                         AmountCase{"-922337203685478", std::nullopt},
                                         AmountCase{"1e20", std::nullopt},
                                         AmountCase{"1e400", std::nullopt}));

TEST(AmountFromNumber, RefusesWhatIsNotANumber) {
    EXPECT_FALSE(zifrano::amountFromNumber(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(zifrano::amountFromNumber(std::numeric_limits<double>::infinity()));
}

// The whole part is a floor and the fraction never negative, to the ends of the type.
TEST(Amount, SplitsIntoWholeUnitsAndFraction) {
    EXPECT_EQ(Amount{-52500}.wholeUnits(), -6);
    EXPECT_EQ(Amount{-52500}.fraction(), 7500);
    EXPECT_EQ(Amount{std::numeric_limits<std::int64_t>::min()}.wholeUnits(), -922337203685478);
    EXPECT_EQ(Amount{std::numeric_limits<std::int64_t>::min()}.fraction(), 4192);
    EXPECT_EQ(Amount{std::numeric_limits<std::int64_t>::max()}.wholeUnits(), 922337203685477);
    EXPECT_EQ(Amount{std::numeric_limits<std::int64_t>::max()}.fraction(), 5807);
}

} // namespace
