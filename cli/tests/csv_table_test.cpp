#include "tool.h"

#include <csv.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct CsvCase {
    std::string arguments; // separated by blanks
    std::string input, out, err;
    int exitCode;
};

class CsvTable : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvTable, AddsTheWordingsToEachRow) {
    const CsvCase& c = GetParam();
    std::istringstream split(c.arguments), in(c.input);
    const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
    std::vector<const char*> arguments(words.size());
    std::ranges::transform(words, arguments.begin(), &std::string::c_str);
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool(arguments, in, out, err), c.exitCode);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

const std::string kTitles = ";Importo in lettere;Importo intero in lettere";
const std::string kRow = "zifrano-lettere: riga ", kBom = "\xef\xbb\xbf";

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvTable,
    testing::Values(
        // Quotes, doubled quotes, a separator and a line break inside a field, CRLF, a byte-order
        // mark: every field goes out as it came, quoted only where it must be.
        CsvCase{"--csv Importo",
                kBom + "\"Cliente\";Importo\r\n\"Rossi; \"\"B\"\"\r\n\";12,5\r\n\" a \";3\r\n",
                kBom + "Cliente;Importo" + kTitles +
                    "\r\n\"Rossi; \"\"B\"\"\r\n\";12,5;dodici / 50;dodici" +
                    "\r\n a ;3;tre / 00;tre\r\n",
                "", 0},
        // By number, with a comma between fields, the whole amount only, the Italian way.
        CsvCase{
            "--csv 2 --separatore , --lire --migliaia", "a,b\nx,\"1.234,5\"\ny,7",
            "a,b,Importo intero in lettere\nx,\"1.234,5\",milleduecentotrentaquattro\ny,7,sette\n",
            "", 0},
        // Rows in error keep their place, their columns and their fields, blanks and all.
        CsvCase{"--csv Importo", "N;Importo;Nota\n1;12abc;x\n2\n3;-1;\n4;; z \n",
                "N;Importo;Nota" + kTitles + "\n1;12abc;x;;\n2;;;;\n3;-1;;;\n4;; z ;;\n",
                kRow + "2: non è un importo: '12abc'\n" + kRow +
                    "3: ha 1 campi, l'intestazione 3\n" + kRow + "4: Importo fuori limite: '-1'\n" +
                    kRow + "5: manca l'importo: ''\n",
                1},
        // A row longer than the pieces it goes out in.
        CsvCase{"--csv 2", "A;B\n" + std::string(70'000, 'x') + ";1\n",
                "A;B" + kTitles + "\n" + std::string(70'000, 'x') + ";1;uno / 00;uno\n", "", 0},
        CsvCase{"--csv 1 /nonexistent/a.csv", "", "",
                "zifrano-lettere: impossibile leggere il file '/nonexistent/a.csv'\n", 1},
        CsvCase{"--csv Totale", "N;Importo\n1;2\n", "",
                "zifrano-lettere: la colonna 'Totale' non è nell'intestazione\n", 2}));

// Fields of every kind, written as a spreadsheet writes them, come out of the tool unchanged:
// read back by the library in strict mode, the output holds every field and the wordings.
TEST(CsvTable, EveryFieldComesOutByteForByte) {
    std::mt19937 random(12);
    const std::string alphabet = "ab ;\"\r\n,\t\xc3\xa8";
    std::vector<std::string> expected{"A", "B", "Importo", "Importo in lettere",
                                      "Importo intero in lettere"};
    std::string input = "A;B;Importo\n";
    for (int field = 0; field < 600; ++field) {
        std::string text;
        for (int n = random() % 8; n > 0; --n) {
            text += alphabet[random() % alphabet.size()];
        }
        std::string quoted(csv_write2(nullptr, 0, text.data(), text.size(), '"'), '\0');
        csv_write2(quoted.data(), quoted.size(), text.data(), text.size(), '"');
        input += quoted + (field % 2 == 0 ? ";" : ";7\r\n");
        expected.push_back(text);
        if (field % 2 == 1) {
            expected.insert(expected.end(), {"7", "sette / 00", "sette"});
        }
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    ASSERT_EQ(zifrano::cli::runTool(std::vector{"--csv", "3"}, in, out, err), 0) << err.str();
    std::vector<std::string> fields;
    csv_parser parser;
    csv_init(&parser, CSV_STRICT);
    csv_set_delim(&parser, ';');
    csv_set_space_func(&parser, [](unsigned char) { return 0; }); // blanks are data
    const auto onField = [](void* text, std::size_t size, void* to) {
        static_cast<std::vector<std::string>*>(to)->emplace_back(static_cast<char*>(text), size);
    };
    const std::string written = out.str();
    EXPECT_EQ(csv_parse(&parser, written.data(), written.size(), onField, nullptr, &fields),
              written.size());
    csv_fini(&parser, onField, nullptr, &fields);
    csv_free(&parser);
    EXPECT_EQ(fields, expected);
}

} // namespace
