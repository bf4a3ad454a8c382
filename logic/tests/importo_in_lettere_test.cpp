#include "zifrano/importo_in_lettere.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct EuroCase {
    std::int64_t tenThousandths;
    std::string wording;
};

void PrintTo(const EuroCase& c, std::ostream* os) {
    *os << c.tenThousandths;
}

class ImportoInLettereCases : public testing::TestWithParam<EuroCase> {};

TEST_P(ImportoInLettereCases, WordsTheWholePartAndShowsTwoDigitsOfCents) {
    const EuroCase& c = GetParam();
    EXPECT_EQ(zifrano::ImportoInLettere(zifrano::Amount{c.tenThousandths}), c.wording)
        << c.tenThousandths;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImportoInLettereCases,
    testing::Values(
        EuroCase{1230000, "centoventitre / 00"}, EuroCase{1234500, "centoventitre / 45"},
        EuroCase{1234560, "centoventitre / 46"}, EuroCase{1230500, "centoventitre / 05"},
        EuroCase{5000, "Zero / 50"}, EuroCase{0, "Zero / 00"},
        // Half a cent goes to the even neighbour.
        EuroCase{1250, "Zero / 12"}, EuroCase{1350, "Zero / 14"}, EuroCase{50, "Zero / 00"},
        EuroCase{150, "Zero / 02"}, EuroCase{1251, "Zero / 13"}, EuroCase{1349, "Zero / 13"},
        // Cents that round up to 100 never carry into the whole part.
        EuroCase{19950, "uno / 00"}, EuroCase{19999, "uno / 00"}, EuroCase{19949, "uno / 99"},
        // A negative amount keeps the floor of its whole part, which has no words.
        EuroCase{-52500, " / 75"},
        EuroCase{9999999999999900, "novecentonovantanovemiliardi"
                                   "novecentonovantanovemilioni"
                                   "novecentonovantanovemila"
                                   "novecentonovantanove / 99"}));

} // namespace
