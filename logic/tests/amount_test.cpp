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
    *os << '"' << c.text.substr(0, 40) << '"';
}

class TextToAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(TextToAmount, ReadsTheLeadingNumberRoundingHalfToEven) {
    const std::optional<Amount> amount = zifrano::textToAmount(GetParam().text);
    EXPECT_EQ(amount ? std::optional(amount->tenThousandths) : std::nullopt,
              GetParam().tenThousandths);
}

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
const std::string kManyZeros(1'500'000, '0');

INSTANTIATE_TEST_SUITE_P(
    Reading, TextToAmount,
    testing::Values(
        // No number at the start reads as zero; reading stops at what cannot continue it.
        AmountCase{"", 0}, AmountCase{"-", 0}, AmountCase{"--5", 0}, AmountCase{"e5", 0},
        AmountCase{".e3", 0}, AmountCase{"0x10", 0}, AmountCase{"12abc", 120000},
        AmountCase{"1.000.000", 10000}, AmountCase{"12,50", 120000}, AmountCase{"1\r2", 10000},
        AmountCase{"+.5", 5000}, AmountCase{"5.", 50000}, AmountCase{"007.0900", 70900},
        // Blanks, tabs and line feeds are passed over anywhere in the number.
        AmountCase{" \t\n1 000 000", 10'000'000'000}, AmountCase{"- 0 . 5", -5000},
        AmountCase{"1e 3", 10'000'000},
        // Exponents count only with digits after them, and may be of any length.
        AmountCase{"2E+2", 2'000'000}, AmountCase{"1e-2", 100}, AmountCase{"1e", 10000},
        AmountCase{"1e+x", 10000}, AmountCase{"0.05e2", 50000},
        AmountCase{"1e00000000000000000000000000003", 10'000'000},
        AmountCase{"1e99999999999999999999", std::nullopt}, AmountCase{"1e-400", 0},
        AmountCase{"0." + kManyZeros + "1e10000000", std::nullopt},
        AmountCase{"1" + kManyZeros + "e-10000000", 0}));

INSTANTIATE_TEST_SUITE_P(
    Rounding, TextToAmount,
    testing::Values(
        // Ties at the fifth decimal go to the even ten-thousandth; anything above a tie goes up.
        AmountCase{"0.00125", 12}, AmountCase{"0.00135", 14}, AmountCase{"0.00005", 0},
        AmountCase{"0.000050000001", 1}, AmountCase{"-0.00025", -2}, AmountCase{"0.00004999", 0},
        AmountCase{"1.99999", 20000}, AmountCase{"9.99995", 100000}, AmountCase{"0.000009", 0},
        AmountCase{"-0.000099", -1}, AmountCase{"0.00009", 1},
        // Exact however large, up to the type's limit of 2^63 - 1 ten-thousandths.
        AmountCase{"14411518807589", 144115188075890000}, AmountCase{"922337203685477.5807", kMax},
        AmountCase{"922337203685477.58075", std::nullopt},
        AmountCase{"-922337203685477.5808", -kMax - 1},
        AmountCase{"-922337203685477.5809", std::nullopt}, AmountCase{"1e19", std::nullopt}));

// An exact reference made with integer arithmetic on the digits of the text.
std::int64_t referenceTenThousandths(std::int64_t whole, const std::string& decimals) {
    std::int64_t count = whole;
    for (std::size_t i = 0; i < 4; ++i) {
        count = count * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    }
    const std::string rest = decimals.size() > 4 ? decimals.substr(4) : "";
    const bool tie = rest.starts_with('5') && rest.find_first_not_of('0', 1) == std::string::npos;
    return count + ((rest > "5" && !tie) || (tie && count % 2 != 0) ? 1 : 0);
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
        const std::string text = std::to_string(whole) + "." + decimals;
        ASSERT_EQ(zifrano::textToAmount(text), Amount{referenceTenThousandths(whole, decimals)})
            << text;
    }
}

} // namespace
