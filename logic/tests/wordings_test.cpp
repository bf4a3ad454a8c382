// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/wordings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TextCase {
    std::string text, euro, lire; // an empty euro wording: out of range
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text.substr(0, 40) << '"';
}

class WordingsFromText : public testing::TestWithParam<TextCase> {};

TEST_P(WordingsFromText, GivesBothWordingsOrOutOfRange) {
    const auto wordings = zifrano::wordingsFromText(GetParam().text);
    EXPECT_EQ(wordings ? wordings->euro : "", GetParam().euro);
    EXPECT_EQ(wordings ? wordings->lire : "", GetParam().lire);
}

const std::string kNines = "novecentonovantanove";
const std::string kTwelveNines =
    kNines + "miliardi" + kNines + "milioni" + kNines + "mila" + kNines;
const std::string kBig = "centoventitremilaquattrocentocinquantaseimiliardisettecentoottantanove"
                         "milionidodicimilatrecentoquarantacinque";

INSTANTIATE_TEST_SUITE_P(
    Cases, WordingsFromText,
    testing::Values(TextCase{"123.456", "centoventitre / 46", "centoventitre"},
                    TextCase{"0,5", "Zero / 50", ""}, TextCase{"abc", "Zero / 00", "Zero"},
                    TextCase{"-0", "Zero / 00", "Zero"},
                    // The leading number is read, up to what cannot continue it; blanks, tabs
                    // and line feeds are passed over anywhere in it, and exponents of any length
                    // count when digits follow.
                    TextCase{"12abc", "dodici / 00", "dodici"},
                    TextCase{"1.000.000", "uno / 00", "uno"}, TextCase{" \t\n- 0 . 5e 1", "", ""},
                    TextCase{"1e+x", "uno / 00", "uno"},
                    TextCase{"2E+2", "duecento / 00", "duecento"},
                    TextCase{"1e00000000000000000000000000003", "mille / 00", "mille"},
                    TextCase{"0." + std::string(1'500'000, '0') + "1e10000000", "", ""},
                    TextCase{"1" + std::string(1'500'000, '0') + "e-1500000", "uno / 00", "uno"},
                    // Every blank a spreadsheet puts between thousands is passed over.
                    TextCase{"1\u00a0234\u202f567\u2009890 .5",
                             "unmiliardoduecentotrentaquattro"
                             "milionicinquecentosessantasettemilaottocentonovanta / 50",
                             "unmiliardoduecentotrentaquattromilionicinquecentosessantasettemila"
                             "ottocentonovanta"},
                    // Cents are rounded half to even and never carried into the whole part.
                    TextCase{"1.995", "uno / 00", "uno"}, TextCase{"0.125", "Zero / 12", ""},
                    TextCase{"0.135", "Zero / 14", ""}, TextCase{"0.0151", "Zero / 02", ""},
                    TextCase{"0.0051", "Zero / 01", ""}, TextCase{"0.0049", "Zero / 00", ""},
                    TextCase{"999999999999.99", kTwelveNines + " / 99", kTwelveNines},
                    TextCase{"123456789012345,6789", kBig + " / 68", kBig},
                    // Out of range: negative, or too large for the amount type.
                    TextCase{"-0.0001", "", ""}, TextCase{"1e20", "", ""}));

} // namespace
