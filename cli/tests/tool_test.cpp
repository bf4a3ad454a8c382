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

const std::string kThreeHundredNines(300, '9');
const std::string kLine = "zifrano-lettere: riga ";
const std::string kArgument = "zifrano-lettere: argomento ";
const std::string kNotAnAmount = ": non è un importo: ";
const std::string kUnknown = "zifrano-lettere: opzione non riconosciuta: ";
const std::string kUseDash = " (per un importo negativo usare '--' prima)\n"
                             "Usare 'zifrano-lettere --help' per le istruzioni.\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, Tool,
    testing::Values(
        ToolCase{{"123.45", "1 000 001", "0,5"},
                 "",
                 "centoventitre / 45\nunmilioneuno / 00\nZero / 50\n",
                 "",
                 0},
        ToolCase{
            {"12", "--lire", "2500000000"}, "", "dodici\nduemiliardicinquecentomilioni\n", "", 0},
        ToolCase{{"--", "--lire", "5"},
                 "",
                 "\ncinque / 00\n",
                 kArgument + "1" + kNotAnAmount + "'--lire'\n",
                 1},
        ToolCase{{"9"}, "8\n", "nove / 00\n", "", 0},
        // Every line end, a byte-order mark, blanks around and inside, a last line without an end.
        ToolCase{{},
                 "\xef\xbb\xbf"
                 "1\r2\r\n3\n 1 e3 \n  0000000000000000000000000000000000000000004",
                 "uno / 00\ndue / 00\ntre / 00\nmille / 00\nquattro / 00\n",
                 "",
                 0},
        // What is not one amount leaves an empty line and a message naming the line.
        ToolCase{{"--lire"},
                 "12abc\n\n1.000.000\n7\n12 \xe2\x82\xac\n",
                 "\n\n\nsette\n\n",
                 kLine + "1" + kNotAnAmount + "'12abc'\n" + kLine + "2: manca l'importo: ''\n" +
                     kLine + "3" + kNotAnAmount + "'1.000.000'\n" + kLine + "5" + kNotAnAmount +
                     "'12 €'\n",
                 1},
        ToolCase{
            {}, "1e400\r\n3\r\n", "\ntre / 00\n", kLine + "1: Importo fuori limite: '1e400'\n", 1},
        ToolCase{{"--", "-5.25"}, "", "\n", kArgument + "1: Importo fuori limite: '-5.25'\n", 1},
        // Control characters and bytes that are not UTF-8 never reach the terminal raw.
        ToolCase{{"1\x1b]0;x\x07\xff\xc2\x9b"},
                 "",
                 "\n",
                 kArgument + "1" + kNotAnAmount + "'1\\x1b]0;x\\x07\\xff\\xc2\\x9b'\n",
                 1},
        ToolCase{{kThreeHundredNines.c_str()},
                 "",
                 "\n",
                 kArgument + "1: Importo fuori limite: '" + std::string(40, '9') + "'…\n",
                 1},
        // The Italian way: full stops group thousands, the comma comes before the decimals.
        ToolCase{{"--migliaia", "1.234.567,89", "1234,5", "1.234"},
                 "",
                 "unmilioneduecentotrentaquattromilacinquecentosessantasette / "
                 "89\nmilleduecentotrentaquattro / 50\nmilleduecentotrentaquattro / 00\n",
                 "",
                 0},
        ToolCase{{"--migliaia", "--", "1.23,4", "-0,5", "12.34,5"},
                 "",
                 "\n\n\n",
                 kArgument + "1: punto delle migliaia fuori posto: '1.23,4'\n" + kArgument +
                     "2: Importo fuori limite: '-0,5'\n" + kArgument +
                     "3: punto delle migliaia fuori posto: '12.34,5'\n",
                 1},
        ToolCase{{"--version"}, "", "zifrano-lettere 1.00\n", "", 0},
        ToolCase{{"12", "--euro"}, "1\n", "", kUnknown + "'--euro'" + kUseDash, 2},
        ToolCase{{"-5"}, "", "", kUnknown + "'-5'" + kUseDash, 2}));

TEST(Tool, ALineTooLongForAnAmountIsAnErrorAndReadingGoesOn) {
    std::istringstream in("1\n" + std::string(100'000, '5') + "\n" + std::string(5'000, ' ') +
                          "2\n");
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool({}, in, out, err), 1);
    EXPECT_EQ(out.str(), "uno / 00\n\ndue / 00\n");
    EXPECT_EQ(err.str(),
              kLine + "2: troppo lungo per essere un importo: '" + std::string(40, '5') + "'…\n");
}

// Input that arrives in pieces, with nothing waiting in between, like a pipe with pauses: each
// time it is asked for more, it notes what the output had flushed by then.
class PausingInput : public std::streambuf {
public:
    PausingInput(std::vector<std::string> pieces, const std::stringbuf& flushed)
        : m_pieces(std::move(pieces))
        , m_flushed(flushed) {}
    std::vector<std::string> flushedAtEachPause;

private:
    std::streamsize showmanyc() override { return 0; }
    int_type underflow() override {
        flushedAtEachPause.push_back(m_flushed.str());
        if (m_next == m_pieces.size()) {
            return traits_type::eof();
        }
        std::string& piece = m_pieces[m_next++];
        setg(piece.data(), piece.data(), piece.data() + piece.size());
        return traits_type::to_int_type(piece[0]);
    }
    std::vector<std::string> m_pieces;
    std::size_t m_next = 0;
    const std::stringbuf& m_flushed;
};

// Output that keeps what was flushed apart from what was only written.
class FlushedOutput : public std::stringbuf {
public:
    std::stringbuf flushed;

private:
    int sync() override {
        flushed.str(str());
        return 0;
    }
};

TEST(Tool, AnswersEachLineBeforeWaitingForMore) {
    FlushedOutput output;
    PausingInput pieces({"1\n2", "\n3\n4\n", "5"}, output.flushed);
    std::istream in(&pieces);
    std::ostream out(&output);
    std::ostringstream err;
    EXPECT_EQ(zifrano::cli::runTool({}, in, out, err), 0);
    const std::string four = "uno / 00\ndue / 00\ntre / 00\nquattro / 00\n";
    EXPECT_EQ(pieces.flushedAtEachPause,
              std::vector<std::string>({"", "uno / 00\n", four, four, four + "cinque / 00\n"}));
}

// Output whose every write fails, as on a full disk.
class FailingOutput : public std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(Tool, StopsReadingWhenTheOutputFails) {
    const std::stringbuf nothingFlushed;
    PausingInput pieces({"1\n", "2\n", "3\n"}, nothingFlushed);
    std::istream in(&pieces);
    FailingOutput failing;
    std::ostream out(&failing);
    std::ostringstream err;
    EXPECT_EQ(zifrano::cli::runTool({}, in, out, err), 1);
    EXPECT_EQ(err.str(), "zifrano-lettere: errore di scrittura sullo standard output\n");
    EXPECT_EQ(pieces.flushedAtEachPause.size(), 1U);
}

TEST(Tool, HelpIsItalianUsage) {
    std::istringstream in;
    std::ostringstream out, err;
    EXPECT_EQ(zifrano::cli::runTool(std::vector{"-h"}, in, out, err), 0);
    EXPECT_TRUE(
        out.str().starts_with("Uso: zifrano-lettere [--lire] [--migliaia] [--] [IMPORTO ...]\n"));
    EXPECT_NE(out.str().find("\n  --migliaia  il punto separa le migliaia e la virgola i decimali"),
              std::string::npos);
}

// What only a real process shows. The script is run by bash, and holds no single quote.
int runShell(const std::string& script) {
    const std::string command = "bash -c 'tool=" ZIFRANO_LETTERE_PATH "; " + script + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ToolProcess, EndsAtOnceWithStatusOneOnAFullDisk) {
    EXPECT_EQ(runShell("yes 123 | timeout 10 \"$tool\" >/dev/full 2>/dev/null"), 1);
}

TEST(ToolProcess, AnswersThroughAPipeBeforeTheNextLineArrives) {
    EXPECT_EQ(runShell("(echo 1; sleep 3; echo 2) | \"$tool\" | "
                       "{ read -t 2 first; test \"$first\" = \"uno / 00\"; }"),
              0);
}

TEST(ToolProcess, ALongLineInLittleMemoryIsOneErrorLine) {
    EXPECT_EQ(runShell("(echo 1; head -c 50000000 /dev/zero | tr \"\\0\" 7; echo; echo 2) | "
                       "(ulimit -v 200000; \"$tool\" 2>/dev/null) | "
                       "{ read a; read b; read c; test \"$a/$b/$c\" = \"uno / 00//due / 00\"; }"),
              0);
}

} // namespace
