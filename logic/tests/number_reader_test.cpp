#include "zifrano/number_reader.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct ReadCase {
    std::string text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"' << c.text.substr(0, 40) << '"';
}

class ReadLeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadLeadingNumber, ReadsTheNumberAtTheStart) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(zifrano::readLeadingNumber(c.text).number.toDouble(), c.value);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
const std::string kManyZeros(1'500'000, '0');

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadLeadingNumber,
    testing::Values(
        // No number at the start reads as zero.
        ReadCase{"", 0.0}, ReadCase{"abc", 0.0}, ReadCase{".", 0.0}, ReadCase{"-", 0.0},
        ReadCase{"--5", 0.0}, ReadCase{"e5", 0.0}, ReadCase{"&H10", 0.0}, ReadCase{".e3", 0.0},
        // Plain numbers, with a sign and one full stop.
        ReadCase{"123.45", 123.45}, ReadCase{"+7", 7.0}, ReadCase{"-5.25", -5.25},
        ReadCase{".5", 0.5}, ReadCase{"5.", 5.0}, ReadCase{"007", 7.0}, ReadCase{"90", 90.0},
        ReadCase{"0.0305", 0.0305}, ReadCase{"-0", 0.0},
        // Reading stops at what cannot continue the number.
        ReadCase{"12abc", 12.0}, ReadCase{"1.000.000", 1.0}, ReadCase{"12,50", 12.0},
        ReadCase{"0x10", 0.0}, ReadCase{"5-3", 5.0}, ReadCase{"1\r2", 1.0},
        // Blanks, tabs and line feeds are passed over anywhere in the number.
        ReadCase{"1 000 000", 1e6}, ReadCase{" \t\n42", 42.0}, ReadCase{"- 5", -5.0},
        ReadCase{"1 2 . 5", 12.5}, ReadCase{"1e 3", 1000.0},
        // Exponents count only with digits after them, and may be of any length.
        ReadCase{"1e3", 1000.0}, ReadCase{"2E+2", 200.0}, ReadCase{"1e-2", 0.01},
        ReadCase{"1e", 1.0}, ReadCase{"1e+", 1.0}, ReadCase{"1ex", 1.0}, ReadCase{"2e3x", 2000.0},
        ReadCase{"1e00000000000000000000000000003", 1000.0},
        // What a double cannot hold: too large is infinite, too small is zero.
        ReadCase{"1e400", kInfinity}, ReadCase{"-1e400", -kInfinity},
        ReadCase{"0.5e309", kInfinity}, ReadCase{"1e999999999999999999999", kInfinity},
        ReadCase{"1e-400", 0.0}, ReadCase{"100e-330", 0.0}, ReadCase{"0.0001e-330", 0.0},
        ReadCase{"0." + kManyZeros + "1e10000000", kInfinity},
        ReadCase{"1" + kManyZeros + "e-10000000", 0.0}, ReadCase{std::string(30, '9'), 1e30}));

} // namespace
