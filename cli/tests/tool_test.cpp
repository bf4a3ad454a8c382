#include "tool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct ToolCase {
    std::vector<const char*> arguments;
    std::string input, out, err;
    int exitCode;
};

class Tool : public testing::TestWithParam<ToolCase> {};

TEST_P(Tool, WritesOneLinePerAmount) {
    const ToolCase& c = GetParam();
    std::istringstream in(c.input);
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool(c.arguments, in, out, err), c.exitCode);
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(err.str(), c.err);
}

const std::string kOutOfRange = "zifrano-lettere: Importo fuori limite: ";
const std::string kUnknown = "zifrano-lettere: opzione non riconosciuta: ";
const std::string kUseDash = " (per un importo negativo usare '--' prima)\n"
                             "Usare 'zifrano-lettere --help' per le istruzioni.\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, Tool,
    testing::Values(
        ToolCase{{"123.45", "1000001", "0,5"},
                 "",
                 "centoventitre / 45\nunmilioneuno / 00\nZero / 50\n",
                 "",
                 0},
        ToolCase{
            {"12", "--lire", "2500000000"}, "", "dodici\nduemiliardicinquecentomilioni\n", "", 0},
        ToolCase{{}, "12,5\n\n21000", "dodici / 50\nZero / 00\nventunomila / 00\n", "", 0},
        ToolCase{{"--lire"}, "0.5\r\n7\r\n", "\nsette\n", "", 0},
        ToolCase{{"--", "--lire", "5"}, "", "Zero / 00\ncinque / 00\n", "", 0},
        ToolCase{{"9"}, "8\n", "nove / 00\n", "", 0},
        // Out of range: an empty line keeps the output aligned, and the status says so.
        ToolCase{
            {"--", "1", "-5.25", "2"}, "", "uno / 00\n\ndue / 00\n", kOutOfRange + "'-5.25'\n", 1},
        ToolCase{{}, "1e400\r\n3\r\n", "\ntre / 00\n", kOutOfRange + "'1e400'\n", 1},
        ToolCase{{"--version"}, "", "zifrano-lettere 1.00\n", "", 0},
        ToolCase{{"12", "--euro"}, "1\n", "", kUnknown + "'--euro'" + kUseDash, 2},
        ToolCase{{"-5"}, "", "", kUnknown + "'-5'" + kUseDash, 2}));

TEST(Tool, HelpIsItalianUsage) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool(std::vector{"--help"}, in, out, err), 0);
    EXPECT_TRUE(out.str().starts_with("Uso: zifrano-lettere [--lire] [--] [IMPORTO ...]\n"));
    EXPECT_NE(out.str().find("\nLa virgola vale come punto decimale: 12,5 e 12.5 sono lo stesso "
                             "importo.\n"),
              std::string::npos);
}

TEST(Tool, ReportsAFailedWrite) {
    std::istringstream in("1\n2\n");
    std::ostream out(nullptr); // every write fails
    std::ostringstream err;
    EXPECT_EQ(zifrano::cli::runTool({}, in, out, err), 1);
    EXPECT_EQ(err.str(), "zifrano-lettere: errore di scrittura sullo standard output\n");
}

// What only a real process shows: its exit status when the disk is full.
TEST(ToolProcess, ExitsWithOneOnAFullDisk) {
    if (access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "no /dev/full here";
    }
    const int status = std::system((ZIFRANO_LETTERE_PATH " 1 2 >/dev/full 2>/dev/null"));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
}

} // namespace
