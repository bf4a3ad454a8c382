// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "zifrano/zifrano.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// One text through zifrano_wording: its wording, or the status that refuses it.
struct WordingCase {
    unsigned options;
    std::string text, wording;
    int status = ZIFRANO_OK;
};

void PrintTo(const WordingCase& c, std::ostream* os) {
    *os << "options " << c.options << " '" << c.text.substr(0, 40) << "'";
}

class Wording : public testing::TestWithParam<WordingCase> {};

TEST_P(Wording, IsWrittenOrRefusedWithAnEmptyString) {
    const WordingCase& c = GetParam();
    char out[256];
    std::size_t needed = 12345;
    EXPECT_EQ(zifrano_wording(c.text.data(), c.text.size(), c.options, out, sizeof out, &needed),
              c.status)
        << zifrano_message(c.status);
    EXPECT_EQ(std::string(out), c.wording);
    EXPECT_EQ(needed, c.wording.size());
}

constexpr unsigned kEuro = 0;
constexpr unsigned kLire = ZIFRANO_LIRE;
constexpr unsigned kItalian = ZIFRANO_MIGLIAIA;
constexpr unsigned kTyped = ZIFRANO_AS_TYPED;
const std::string kMille = "milleduecentotrentaquattro";

INSTANTIATE_TEST_SUITE_P(
    StrictReading, Wording,
    testing::Values(
        WordingCase{kLire, " 2 500 000 000 ", "duemiliardicinquecentomilioni"},
        // Blanks only between groups of three, whichever blank a spreadsheet puts there.
        WordingCase{kEuro, "1 234,56", kMille + " / 56"},
        WordingCase{kEuro, "\u00a01\u2009234.5\u202f", kMille + " / 50"},
        WordingCase{kEuro, "12 50", "", ZIFRANO_BAD_GROUPING},
        WordingCase{kEuro, "1\u00a02", "", ZIFRANO_BAD_GROUPING},
        WordingCase{kEuro, "150\t200", "", ZIFRANO_NOT_AN_AMOUNT},
        // A lone separator before three digits could be either.
        WordingCase{kEuro, "12.500", "", ZIFRANO_AMBIGUOUS},
        WordingCase{kEuro, "1,234", "", ZIFRANO_AMBIGUOUS},
        WordingCase{kEuro, "0.500", "", ZIFRANO_AMBIGUOUS},
        WordingCase{kEuro, "1 234.500", "", ZIFRANO_AMBIGUOUS},
        WordingCase{kEuro, "0,500", "", ZIFRANO_AMBIGUOUS},
        WordingCase{kEuro, "1,234,567", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, "1.234,56", "", ZIFRANO_NEEDS_THOUSANDS},
        WordingCase{kEuro, "1.2,56", "", ZIFRANO_NOT_AN_AMOUNT},
        // Never a decimal rounded away.
        WordingCase{kEuro, "12,5000", "dodici / 50"},
        WordingCase{kEuro, "99,9999", "", ZIFRANO_TOO_MANY_DECIMALS},
        WordingCase{kEuro, "1e-3", "", ZIFRANO_TOO_MANY_DECIMALS},
        WordingCase{kEuro, "1.5e2", "centocinquanta / 00"}, WordingCase{kEuro, "15e-1", "uno / 50"},
        WordingCase{kLire, "12,50", "", ZIFRANO_DECIMALS_IN_LIRE},
        WordingCase{kLire, "0,5", "", ZIFRANO_DECIMALS_IN_LIRE},
        WordingCase{kLire, "12,00", "dodici"},
        // Whole euros written with a dash: not a negative amount.
        WordingCase{kEuro, "12,-", "", ZIFRANO_DASH_FOR_CENTS},
        WordingCase{kEuro, "€ 1.234,-", "", ZIFRANO_DASH_FOR_CENTS},
        WordingCase{kEuro, "1234.-", "", ZIFRANO_DASH_FOR_CENTS},
        // Currency signs, UTF-8 and Windows-1252, before or after; signs of a negative amount.
        WordingCase{kEuro, "€ 1234,56", kMille + " / 56"}, WordingCase{kEuro, "7EUR", "sette / 00"},
        WordingCase{kEuro, "eur 7", "sette / 00"}, WordingCase{kEuro, "\x80 12,50", "dodici / 50"},
        // Windows-1252's no-break space, and a thin space after the amount.
        WordingCase{kLire,
                    "\xa0"
                    "1\xa0"
                    "234\xa0",
                    kMille},
        WordingCase{kLire, "7\u2009", "sette"},
        WordingCase{kEuro, "-€ 12,00", "", ZIFRANO_NEGATIVE},
        WordingCase{kEuro, "12,00-", "", ZIFRANO_NEGATIVE},
        WordingCase{kItalian, "(1.234,56)", "", ZIFRANO_NEGATIVE},
        WordingCase{kEuro, "-0", "Zero / 00"}, WordingCase{kEuro, "0", "Zero / 00"},
        WordingCase{kEuro, "7%", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, "€ 7 €", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, "--12", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, "12--", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, "-12-", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kLire, "12abc", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kLire, "-.e5", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kLire, "1e5x", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kLire, " ", "", ZIFRANO_EMPTY}, WordingCase{kLire, "", "", ZIFRANO_EMPTY},
        WordingCase{kLire, "1e400", "", ZIFRANO_OUT_OF_RANGE},
        WordingCase{kLire, "922337203685477",
                    "novecentoventiduemilatrecentotrentasettemiliardi"
                    "duecentotremilioniseicentoottantacinquemila"
                    "quattrocentosettantasette"},
        WordingCase{kLire, "922337203685478", "", ZIFRANO_OUT_OF_RANGE},
        // Leading zeros and blanks never make an amount too long.
        WordingCase{kLire, std::string(300, '0') + "1", "uno"},
        WordingCase{kLire, "+" + std::string(300, '0') + "1", "uno"},
        WordingCase{kLire, "€" + std::string(300, '0') + "1", "uno"},
        WordingCase{kLire, std::string(300, ' ') + "1 000", "mille"},
        WordingCase{kLire, "1" + std::string(250, '0') + "e-250", "uno"},
        WordingCase{kLire, std::string(257, '9'), "", ZIFRANO_TOO_LONG},
        // Bytes that are not UTF-8, and a NUL, which is not an end.
        WordingCase{kEuro, "1\xff", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kEuro, std::string("12\0", 3), "", ZIFRANO_NOT_AN_AMOUNT},
        // The Italian way: full stops group thousands, the comma comes before the decimals.
        WordingCase{kItalian, "€ 1.234,5", kMille + " / 50"},
        WordingCase{kItalian, "1.234,56 €", kMille + " / 56"},
        WordingCase{kItalian, "EUR 1 234", kMille + " / 00"},
        WordingCase{kItalian, "1.000.234", "unmilioneduecentotrentaquattro / 00"},
        WordingCase{kItalian, "012.500", "dodicimilacinquecento / 00"},
        WordingCase{kItalian, "0001.000", "mille / 00"},
        WordingCase{kItalian, "0,500", "Zero / 50"},
        WordingCase{kItalian, "99,999", "", ZIFRANO_TOO_MANY_DECIMALS},
        WordingCase{kItalian, "1.23,4", "", ZIFRANO_BAD_GROUPING},
        WordingCase{kItalian, "1234.567", "", ZIFRANO_BAD_GROUPING},
        WordingCase{kItalian, "1,5.3", "", ZIFRANO_BAD_GROUPING},
        WordingCase{kItalian, "1,5,3", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kItalian, "1.234e2,5", "", ZIFRANO_NOT_AN_AMOUNT},
        WordingCase{kItalian | kLire, "1.000.000", "unmilione"}));

INSTANTIATE_TEST_SUITE_P(
    TypedReading, Wording,
    testing::Values(WordingCase{kTyped, "123,456", "centoventitre / 46"},
                    WordingCase{kTyped | kLire, "123.45", "centoventitre"},
                    WordingCase{kTyped, "12abc", "dodici / 00"},
                    WordingCase{kTyped, "abc", "Zero / 00"}, WordingCase{kTyped | kLire, "0.5", ""},
                    WordingCase{kTyped, "-0.0001", "", ZIFRANO_NEGATIVE},
                    WordingCase{kTyped, "1e20", "", ZIFRANO_OUT_OF_RANGE},
                    WordingCase{kTyped, std::string("1\0", 2), "", ZIFRANO_NOT_AN_AMOUNT}));

// Calls that cannot be answered, whatever the text.
INSTANTIATE_TEST_SUITE_P(
    InvalidOptions, Wording,
    testing::Values(WordingCase{kTyped | kItalian, "12", "", ZIFRANO_INVALID_ARGUMENT},
                    WordingCase{1u << 3, "12", "", ZIFRANO_INVALID_ARGUMENT},
                    WordingCase{1u << 31, "12", "", ZIFRANO_INVALID_ARGUMENT}));

// The room given for a wording: never written past, and never a wording cut short.
struct RoomCase {
    std::size_t size;
    int status;
};

class Room : public testing::TestWithParam<RoomCase> {};

TEST_P(Room, HoldsTheWholeWordingOrAnEmptyString) {
    const std::string text = "1234,56";
    const std::string wording = "milleduecentotrentaquattro / 56";
    std::string out(wording.size() + 8, '#');
    std::size_t needed = 0;
    const std::size_t size = GetParam().size;
    EXPECT_EQ(zifrano_wording(text.data(), text.size(), 0, size == 0 ? nullptr : out.data(), size,
                              &needed),
              GetParam().status);
    EXPECT_EQ(needed, wording.size());
    const std::string expected = GetParam().status == ZIFRANO_OK ? wording + '\0'
                                 : size > 0                      ? std::string(1, '\0')
                                                                 : std::string();
    EXPECT_EQ(out.substr(0, expected.size()), expected);
    EXPECT_EQ(out.find_first_not_of('#', expected.size()), std::string::npos)
        << "written past the wording: " << out;
}

INSTANTIATE_TEST_SUITE_P(Sizes, Room,
                         testing::Values(RoomCase{0, ZIFRANO_BUFFER_TOO_SMALL},
                                         RoomCase{1, ZIFRANO_BUFFER_TOO_SMALL},
                                         RoomCase{31, ZIFRANO_BUFFER_TOO_SMALL},
                                         RoomCase{32, ZIFRANO_OK}, RoomCase{33, ZIFRANO_OK}));

TEST(CInterface, RefusesNullPointersThatMustHoldBytes) {
    char out[16] = "###############";
    EXPECT_EQ(zifrano_wording(nullptr, 1, 0, out, sizeof out, nullptr), ZIFRANO_INVALID_ARGUMENT);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(zifrano_wording("12", 2, 0, nullptr, 8, nullptr), ZIFRANO_INVALID_ARGUMENT);
    // Nothing to read is an empty text; nowhere to write is the room of 0 bytes.
    EXPECT_EQ(zifrano_wording(nullptr, 0, 0, out, sizeof out, nullptr), ZIFRANO_EMPTY);
    EXPECT_EQ(zifrano_wording("1", 1, 0, nullptr, 0, nullptr), ZIFRANO_BUFFER_TOO_SMALL);
    EXPECT_EQ(zifrano_wording("1", 1, 0, out, sizeof out, nullptr), ZIFRANO_OK);
    EXPECT_STREQ(out, "uno / 00");
}

// Every status's reason, as the tool gives it.
struct MessageCase {
    int status;
    std::string message;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << "status " << c.status;
}

class Message : public testing::TestWithParam<MessageCase> {};

TEST_P(Message, TellsTheReasonInItalian) {
    EXPECT_STREQ(zifrano_message(GetParam().status), GetParam().message.c_str());
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, Message,
    testing::Values(
        MessageCase{ZIFRANO_OK, "nessun errore"}, MessageCase{ZIFRANO_EMPTY, "manca l'importo"},
        MessageCase{ZIFRANO_NOT_AN_AMOUNT, "non è un importo"},
        MessageCase{ZIFRANO_NEGATIVE, "importo negativo"},
        MessageCase{ZIFRANO_AMBIGUOUS,
                    "migliaia o decimali? Con --migliaia il punto separa le migliaia"},
        MessageCase{ZIFRANO_NEEDS_THOUSANDS,
                    "più di un separatore: con --migliaia il punto separa le migliaia"},
        MessageCase{ZIFRANO_BAD_GROUPING, "separatore delle migliaia fuori posto"},
        MessageCase{ZIFRANO_TOO_MANY_DECIMALS, "più di due decimali"},
        MessageCase{ZIFRANO_TOO_LONG, "troppo lungo per essere un importo"},
        MessageCase{ZIFRANO_OUT_OF_RANGE, "importo fuori limite"},
        MessageCase{ZIFRANO_DECIMALS_IN_LIRE, "decimali in un importo in lire"},
        MessageCase{ZIFRANO_DASH_FOR_CENTS,
                    "un trattino non è un decimale: un importo intero si scrive 12 o 12,00"},
        MessageCase{ZIFRANO_BUFFER_TOO_SMALL, "la dicitura non entra nello spazio dato"},
        MessageCase{ZIFRANO_INVALID_ARGUMENT, "argomenti non validi"},
        MessageCase{-1, "stato sconosciuto"}, MessageCase{14, "stato sconosciuto"}));

} // namespace
