#include "zifrano/importo_in_lettere.h"
#include "zifrano/wordings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

using zifrano::Wordings;

struct TextCase {
    std::string text;
    std::optional<Wordings> wordings;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class WordingsFromText : public testing::TestWithParam<TextCase> {};

TEST_P(WordingsFromText, GivesBothWordingsOrOutOfRange) {
    EXPECT_EQ(zifrano::wordingsFromText(GetParam().text), GetParam().wordings);
}

const std::string kNines = "novecentonovantanove";
const std::string kTwelveNines =
    kNines + "miliardi" + kNines + "milioni" + kNines + "mila" + kNines;
const std::string kBig = "centoventitremilaquattrocentocinquantaseimiliardisettecentoottantanove"
                         "milionidodicimilatrecentoquarantacinque";

INSTANTIATE_TEST_SUITE_P(
    Cases, WordingsFromText,
    testing::Values(TextCase{"123", Wordings{"centoventitre / 00", "centoventitre"}},
                    TextCase{"123.456", Wordings{"centoventitre / 46", "centoventitre"}},
                    TextCase{"0.5", Wordings{"Zero / 50", ""}},
                    TextCase{"abc", Wordings{"Zero / 00", "Zero"}},
                    TextCase{"12abc", Wordings{"dodici / 00", "dodici"}},
                    TextCase{"1.000.000", Wordings{"uno / 00", "uno"}},
                    // Cents are rounded half to even and never carried into the whole part.
                    TextCase{"1.995", Wordings{"uno / 00", "uno"}},
                    TextCase{"0.125", Wordings{"Zero / 12", ""}},
                    TextCase{"0.135", Wordings{"Zero / 14", ""}},
                    TextCase{"0.0151", Wordings{"Zero / 02", ""}},
                    TextCase{"0.0051", Wordings{"Zero / 01", ""}},
                    TextCase{"0.0049", Wordings{"Zero / 00", ""}},
                    // A comma is read as the full stop a typed comma becomes.
                    TextCase{"12,5", Wordings{"dodici / 50", "dodici"}},
                    TextCase{"1 000 001", Wordings{"unmilioneuno / 00", "unmilioneuno"}},
                    TextCase{"1e3", Wordings{"mille / 00", "mille"}},
                    TextCase{"-0", Wordings{"Zero / 00", "Zero"}},
                    TextCase{"999999999999.99", Wordings{kTwelveNines + " / 99", kTwelveNines}},
                    TextCase{"123456789012345,6789", Wordings{kBig + " / 68", kBig}},
                    // Out of range: negative, or too large for the amount type.
                    TextCase{"-5.25", std::nullopt}, TextCase{"-0.0001", std::nullopt},
                    TextCase{"1e20", std::nullopt}, TextCase{std::string(30, '9'), std::nullopt}));

// The engine's own euro wording of a negative amount words the floor of its whole part, which
// has no words: what the window and the tool show is "out of range" instead.
TEST(ImportoInLettere, KeepsTheFloorOfANegativeAmount) {
    EXPECT_EQ(zifrano::ImportoInLettere(zifrano::Amount{-52500}), " / 75");
    EXPECT_EQ(zifrano::ImportoInLettere(zifrano::Amount{std::numeric_limits<std::int64_t>::min()}),
              " / 42");
}

TEST(WordingsFromFieldText, APastedCommaEndsTheNumber) {
    EXPECT_EQ(zifrano::wordingsFromFieldText("12,50"), (Wordings{"dodici / 00", "dodici"}));
}

} // namespace
