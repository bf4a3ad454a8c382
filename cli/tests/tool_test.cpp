// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "tool.h"
#include "zifrano/zifrano_version.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

// One amount given as an argument: the line it gives, or the message that refuses it.
struct AmountCase {
    std::string option, text, out, complaint;
};

void PrintTo(const AmountCase& c, std::ostream* os) {
    *os << c.option << ' ' << c.text.substr(0, 40);
}

class ToolAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(ToolAmount, IsWordedOrRefusedWithAnEmptyLineAndAMessage) {
    const AmountCase& c = GetParam();
    std::vector<const char*> arguments{"--", c.text.c_str()};
    if (!c.option.empty()) {
        arguments.insert(arguments.begin(), c.option.c_str());
    }
    std::istringstream in;
    std::ostringstream out, err;
    const int status = zifrano::cli::runTool(arguments, in, out, err);
    EXPECT_EQ(out.str(), c.out + "\n");
    EXPECT_EQ(err.str(),
              c.complaint.empty() ? "" : "zifrano-lettere: argomento 1: " + c.complaint + "\n");
    EXPECT_EQ(status, c.complaint.empty() ? 0 : 1);
}

// The readings themselves are the engine's, tested there: here, that the options reach it and how
// each refusal is told, with the text quoted so that nothing reaches the terminal raw.
INSTANTIATE_TEST_SUITE_P(
    Cases, ToolAmount,
    testing::Values(
        AmountCase{"--lire", " 2 500 000 000 ", "duemiliardicinquecentomilioni", ""},
        AmountCase{"--migliaia", "€ 1.234,5", "milleduecentotrentaquattro / 50", ""},
        AmountCase{"", "1\u00a02", "", "separatore delle migliaia fuori posto: '1\\u00A02'"},
        AmountCase{"", "150\t200", "", "non è un importo: '150\\x09200'"},
        AmountCase{"", "12.500", "",
                   "migliaia o decimali? Con --migliaia il punto separa le migliaia: '12.500'"},
        AmountCase{"--lire", "12,50", "", "decimali in un importo in lire: '12,50'"},
        AmountCase{"", "€ 1.234,-", "",
                   "un trattino non è un decimale: un importo intero si scrive 12 o 12,00: "
                   "'€ 1.234,-'"},
        AmountCase{"--migliaia", "(1.234,56)", "", "importo negativo: '(1.234,56)'"},
        AmountCase{"--lire", " ", "", "manca l'importo: ' '"},
        AmountCase{"--lire", std::string(257, '9'), "",
                   "troppo lungo per essere un importo: '" + std::string(40, '9') + "'…"},
        // Marks and selectors a terminal would show as nothing: a direction mark, a variation
        // selector, an annotation anchor.
        AmountCase{"", "12\u061C", "", "non è un importo: '12\\u061C'"},
        AmountCase{"", "1\u180B2", "", "non è un importo: '1\\u180B2'"},
        AmountCase{"",
                   "\uFFF9"
                   "7",
                   "", "non è un importo: '\\uFFF97'"},
        AmountCase{"--lire", "1\x1b]0;x\x07\xff\xc2\x9b\xe0\xa4\x85\xef\xbb\xbf\u3000\xed\xa0\x80",
                   "",
                   "non è un importo: '1\\x1b]0;x\\x07\\xff\\xc2\\x9b\xe0\xa4\x85\\uFEFF\\u3000"
                   "\\xed\\xa0\\x80'"}));

// Standard input: every line end, a byte-order mark (only the first is skipped), a line too long.
TEST(Tool, WritesALineForEachLineItReads) {
    std::istringstream in("\xef\xbb\xbf\n\xef\xbb\xbf\n1\r2\r\n3\n\n" + std::string(100'000, '5') +
                          "\n" + std::string(5'000, ' ') + "000000004\r\n1e400\n-00");
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool({}, in, out, err), 1);
    EXPECT_EQ(out.str(), "\n\nuno / 00\ndue / 00\ntre / 00\n\n\nquattro / 00\n\nZero / 00\n");
    const std::string line = "zifrano-lettere: riga ";
    EXPECT_EQ(err.str(),
              line + "1: manca l'importo: ''\n" + line + "2: non è un importo: '\\uFEFF'\n" + line +
                  "6: manca l'importo: ''\n" + line + "7: troppo lungo per essere un importo: '" +
                  std::string(40, '5') + "'…\n" + line + "9: importo fuori limite: '1e400'\n");
}

// UTF-16 lines are answered in UTF-16, with a mark; UTF-32 is not read at all.
TEST(Tool, AnswersInTheEncodingOfItsInput) {
    const auto run = [](const std::string& input, std::string& error) {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = zifrano::cli::runTool({}, in, out, err);
        error = err.str();
        return std::to_string(status) + ":" + out.str();
    };
    std::string error;
    EXPECT_EQ(run(std::string("\xfe\xff\0001\0\r\0\n\0002", 10), error),
              std::string("0:\xfe\xff\0u\0n\0o\0 \0/\0 \0000\0000\0\n\0d\0u\0e\0 \0/\0 "
                          "\0000\0000\0\n",
                          40));
    // A first byte that begins no mark is text like any other.
    EXPECT_EQ(run("\xff"
                  "7\n",
                  error),
              "1:\n");
    EXPECT_EQ(run("\x01"
                  "7\n",
                  error),
              "1:\n");
    // A surrogate alone at the very end is kept, as a line of its own that is no amount.
    EXPECT_EQ(run(std::string("\xff\xfe"
                              "7\0\n\0\x00\xd8",
                              8),
                  error),
              std::string("1:\xff\xfes\0e\0t\0t\0e\0 \0/\0 \0000\0000\0\n\0\n\0", 28));
    EXPECT_EQ(error, "zifrano-lettere: riga 2: non è un importo: '\\xed\\xa0\\x80'\n");
    EXPECT_EQ(run(std::string("\xff\xfe\0\0001\0\0\0", 8), error), "1:");
    EXPECT_EQ(error,
              "zifrano-lettere: il testo è in UTF-32LE: salvarlo in UTF-8, o in UTF-16 con BOM\n");
}

TEST(Tool, WritesItsHelpAndVersion) {
    std::istringstream in;
    std::ostringstream help, version, err;
    EXPECT_EQ(zifrano::cli::runTool(std::vector{"-h"}, in, help, err), 0);
    EXPECT_TRUE(help.str().starts_with("Uso: zifrano-lettere [--lire] [--migliaia] [--] [IMPORTO"));
    // The rules are the manual page's: the help points there.
#ifdef _WIN32
    EXPECT_TRUE(
        help.str().ends_with("\nnel manuale zifrano-lettere.txt, accanto a zifrano-lettere.exe\n"));
#else
    EXPECT_TRUE(help.str().ends_with("\nnella pagina di manuale: man zifrano-lettere\n"));
#endif
    // Every line fits an 80-column console: characters, not bytes, counted.
    std::istringstream lines(help.str());
    for (std::string line; std::getline(lines, line);) {
        const auto characters =
            std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xc0) != 0x80; });
        EXPECT_LE(characters, 79) << line;
    }
    EXPECT_EQ(zifrano::cli::runTool(std::vector{"--version"}, in, version, err), 0);
    EXPECT_EQ(version.str(), "zifrano-lettere " ZIFRANO_VERSION_TEXT "\n");
}

// A command line that cannot be carried out: status 2, the reason and where help is.
struct UsageCase {
    std::vector<const char*> arguments;
    std::string reason;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    for (const char* argument : c.arguments) {
        *os << argument << ' ';
    }
}

class ToolUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(ToolUsage, IsRefusedWithStatusTwoAndTheReason) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool(GetParam().arguments, in, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "zifrano-lettere: " + GetParam().reason +
                             "\nUsare 'zifrano-lettere --help' per le istruzioni.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolUsage,
    testing::Values(
        UsageCase{{"12", "-5"},
                  "opzione non riconosciuta: '-5' (per un importo negativo usare '--' prima)"},
        UsageCase{{"--bogus"}, "opzione non riconosciuta: '--bogus'"},
        UsageCase{{"--csv=1"},
                  "opzione non riconosciuta: '--csv=1' (il valore va dopo uno spazio)"},
        UsageCase{{"1", "--csv"}, "manca il valore di --csv"},
        UsageCase{{"--csv", "1", "--separatore"}, "manca il valore di --separatore"},
        UsageCase{{"--virgolette", "'"}, "--virgolette vale solo con --csv"},
        UsageCase{{"--separatore", ","}, "--separatore vale solo con --csv"},
        UsageCase{{"--csv", "1", "a.csv", "b.csv"}, "con --csv si legge al più un file"},
        UsageCase{{"--csv", "1", "--csv", "2"}, "--csv indicato più di una volta"},
        // A separator CSV gives another meaning, or that is not one byte.
        UsageCase{{"--csv", "1", "--separatore", "\""},
                  "il separatore e le virgolette devono essere caratteri diversi"},
        UsageCase{{"--csv", "1", "--virgolette", "\t", "--separatore", "\\t"},
                  "il separatore e le virgolette devono essere caratteri diversi"},
        UsageCase{{"--csv", "1", "--virgolette", "\n"},
                  "il valore di --virgolette non può essere un a capo"},
        UsageCase{{"--csv", "1", "--separatore", "€"},
                  "il valore di --separatore è un solo carattere ASCII, come ; o , (\\t per il "
                  "tabulatore): '€'"}));

// What only a real process shows. The script is run by bash, and holds no single quote.
int runShell(const std::string& script) {
    const std::string command = "bash -c 'tool=" ZIFRANO_LETTERE_PATH "; " + script + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Endless input, lines or a table: the tool must stop as soon as its output fails, not read on.
// Help and version that cannot be written are a failure too, and say so. A directory for input
// cannot be read.
TEST(ToolProcess, EndsAtOnceWithStatusOneOnAFullDisk) {
    EXPECT_EQ(runShell("yes 123 | timeout 10 \"$tool\" >/dev/full 2>/dev/null"), 1);
    EXPECT_EQ(runShell("yes \"x;7\" | timeout 10 \"$tool\" --csv 2 >/dev/full 2>/dev/null"), 1);
    for (const std::string option : {"--help", "--version"}) {
        EXPECT_EQ(runShell("test \"$(\"$tool\" " + option +
                           " 2>&1 >/dev/full; echo $?)\" = "
                           "\"zifrano-lettere: errore di scrittura sullo standard output\n1\""),
                  0)
            << option;
    }
    EXPECT_EQ(runShell("test \"$(\"$tool\" </ 2>&1)\" = "
                       "\"zifrano-lettere: errore di lettura dello standard input\""),
              0);
}

// Each answer goes out as soon as its line is read, when no more input is waiting. The pieces
// come as a slow writer sends them: a byte-order mark alone, an amount, its line end alone, the
// LF of a CRLF after a pause, then a mark that is not at the start and so is no mark.
TEST(ToolProcess, AnswersThroughAPipeBeforeTheNextLineArrives) {
    EXPECT_EQ(
        runShell("(sleep 0.2; printf \"\\xef\\xbb\\xbf\"; sleep 0.3; printf 44; sleep 0.3; echo; "
                 "sleep 3; printf \"1\\n2\\r\"; sleep 0.5; printf \"\\n\\xef\\xbb\\xbf3\") | "
                 "\"$tool\" 2>/dev/null | { read -t 2 e && read a && read b && read c; "
                 "test \"$e/$a/$b/$c\" = \"quarantaquattro / 00/uno / 00/due / 00/\"; }"),
        0);
}

// Every word of the usage text and of the messages is in Debian's Italian dictionary, but for
// names and options.
TEST(ToolProcess, TextsAreSpelt) {
    EXPECT_EQ(
        runShell(
            "words=$({ \"$tool\" --help; \"$tool\" --csv 1 a b; \"$tool\" --csv 1 --separatore "
            "ab; head -c 300000 /dev/zero | tr \"\\0\" x | \"$tool\" --csv 1; printf \"A;A\" | "
            "\"$tool\" --csv a; printf \"A,B\\n1;2;3\\n\\\"\" | \"$tool\" --csv 2 --separatore ,; "
            "\"$tool\" --csv 1 /; \"$tool\" -- 12.500 1.234,56 99,9999 -1 \"12 50\"; "
            "\"$tool\" --lire 1,5 12,-; \"$tool\" --virgolette x; printf \"A\\0\" | \"$tool\"; } "
            "2>&1 | hunspell -d it_IT -l) && test -z \"$(echo \"$words\" | grep -v -x -E "
            "\"BOM|CSV|csv|dell|error|EUR|KiB|nell|sep|UTF|version|zifrano\")\""),
        0);
}

} // namespace
