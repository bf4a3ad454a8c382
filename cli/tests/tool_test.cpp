#include "run_process.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using zifrano::testing::ProcessResult;

ProcessResult runTool(const std::vector<std::string>& arguments, const std::string& input = {}) {
    return zifrano::testing::runProcess(ZIFRANO_LETTERE_PATH, arguments, input);
}

struct ToolCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string input;
    std::string out;
    int exitCode;
};

void PrintTo(const ToolCase& c, std::ostream* os) {
    *os << c.name;
}

class ToolOutput : public testing::TestWithParam<ToolCase> {};

TEST_P(ToolOutput, WritesOneLinePerAmount) {
    const ToolCase& c = GetParam();
    const ProcessResult result = runTool(c.arguments, c.input);
    EXPECT_EQ(result.out, c.out);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolOutput,
    testing::Values(
        ToolCase{"Arguments",
                 {"123.45", "1000001", "0,5"},
                 "",
                 "centoventitre / 45\nunmilioneuno / 00\nZero / 50\n",
                 0},
        ToolCase{"Lire", {"--lire", "2500000000"}, "", "duemiliardicinquecentomilioni\n", 0},
        ToolCase{"LireAfterAmounts", {"12", "--lire"}, "", "dodici\n", 0},
        ToolCase{"StandardInput", {}, "12,5\n21000\n", "dodici / 50\nventunomila / 00\n", 0},
        ToolCase{"StandardInputLire", {"--lire"}, "0.5\n7", "\nsette\n", 0},
        ToolCase{"CarriageReturns", {}, "3\r\n4\r\n", "tre / 00\nquattro / 00\n", 0},
        ToolCase{"BlankLineReadsAsZero", {}, "\n", "Zero / 00\n", 0},
        ToolCase{"NoInput", {}, "", "", 0},
        ToolCase{
            "AmountsAfterDoubleDash", {"--", "--lire", "5"}, "", "Zero / 00\ncinque / 00\n", 0},
        ToolCase{"StandardInputIgnoredWithArguments", {"9"}, "8\n", "nove / 00\n", 0},
        // Out of range: an empty line keeps the output aligned, and the status says so.
        ToolCase{"OutOfRangeArguments", {"1", "1e20", "2"}, "", "uno / 00\n\ndue / 00\n", 1},
        ToolCase{"NegativeAfterDoubleDash", {"--", "-5"}, "", "\n", 1},
        ToolCase{"OutOfRangeLines", {}, "1e400\n3\n", "\ntre / 00\n", 1},
        ToolCase{"Version", {"--version"}, "", "zifrano-lettere 1.00\n", 0}));

struct UsageCase {
    std::string name;
    std::vector<std::string> arguments;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class ToolUsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(ToolUsageError, ExitsWithTwoAndWritesNothingToStandardOutput) {
    const ProcessResult result = runTool(GetParam().arguments, "1\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("--help"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolUsageError,
                         testing::Values(UsageCase{"UnknownLongOption", {"--euro"}},
                                         UsageCase{"NegativeWithoutDoubleDash", {"-5"}},
                                         UsageCase{"UnknownShortOption", {"12", "-x"}}));

TEST(Tool, NamesTheOutOfRangeInputOnStandardError) {
    const ProcessResult result = runTool({"--", "-5.25", "1e20"});
    EXPECT_EQ(result.err, "zifrano-lettere: Importo fuori limite: '-5.25'\n"
                          "zifrano-lettere: Importo fuori limite: '1e20'\n");
}

TEST(Tool, HelpIsItalianUsage) {
    const ProcessResult result = runTool({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.starts_with("Uso: zifrano-lettere [--lire] [--] [IMPORTO ...]\n"));
    EXPECT_EQ(result.err, "");
}

TEST(Tool, StreamsManyLinesInOrder) {
    std::string input;
    std::string expected;
    for (int i = 0; i < 20000; ++i) {
        input += std::to_string(i % 3 == 0 ? 1 : 2) + "\n";
        expected += i % 3 == 0 ? "uno / 00\n" : "due / 00\n";
    }
    const ProcessResult result = runTool({}, input);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, expected);
}

TEST(Tool, ReportsAFailedWrite) {
    if (access("/dev/full", W_OK) != 0) {
        GTEST_SKIP() << "no /dev/full here";
    }
    // /dev/full refuses every write, as a full disk does.
    const ProcessResult result = zifrano::testing::runProcess(
        "/bin/sh", {"-c", std::string(ZIFRANO_LETTERE_PATH) + " 1 2 3 > /dev/full"}, "");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("errore di scrittura"), std::string::npos) << result.err;
}

} // namespace
