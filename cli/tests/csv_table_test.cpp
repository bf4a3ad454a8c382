// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "tool.h"
#include "zifrano_product.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Hands out its text a few bytes at a time, as a slow pipe does, so that a boundary between pieces
// falls everywhere: inside quotes, between a CR and its LF, just before a separator.
class InPieces : public std::streambuf {
public:
    InPieces(std::string text, std::size_t size)
        : m_text(std::move(text))
        , m_size(size) {}

private:
    int_type underflow() override {
        if (m_at == m_text.size()) {
            return traits_type::eof();
        }
        char* next = m_text.data() + m_at;
        m_at = std::min(m_at + m_size, m_text.size());
        setg(next, next, m_text.data() + m_at);
        return traits_type::to_int_type(*next);
    }

    std::string m_text;
    std::size_t m_size, m_at = 0;
};

struct CsvCase {
    std::string arguments; // separated by blanks
    std::string input, out, err;
    int exitCode;
};

void PrintTo(const CsvCase& c, std::ostream* os) {
    *os << c.arguments;
}

// ASCII and `text`'s code units as UTF-16 bytes, little-endian or big-endian.
std::string utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xff);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

class CsvTable : public testing::TestWithParam<CsvCase> {};

// Read whole, and in pieces of one, two and three bytes.
TEST_P(CsvTable, AddsTheWordingsToEachRow) {
    const CsvCase& c = GetParam();
    std::istringstream split(c.arguments);
    const std::vector<std::string> words{std::istream_iterator<std::string>(split), {}};
    std::vector<const char*> arguments(words.size());
    // "␣" stands for a space, which the arguments cannot hold.
    std::ranges::transform(words, arguments.begin(), [](const std::string& word) {
        return word == "␣" ? " " : word.c_str();
    });
    for (const std::size_t size : std::array<std::size_t, 4>{c.input.size(), 1, 2, 3}) {
        InPieces pieces(c.input, size);
        std::istream in(&pieces);
        std::ostringstream out, err;
        const std::string read = c.arguments + ", in pieces of " + std::to_string(size);
        EXPECT_EQ(zifrano::cli::runTool(arguments, in, out, err), c.exitCode) << read;
        EXPECT_EQ(out.str(), c.out) << read;
        EXPECT_EQ(err.str(), c.err) << read;
    }
}

const std::string kTitles =
    std::string(";") + zifrano::product::kCsvEuroTitle + ";" + zifrano::product::kCsvLireTitle;
const std::u16string kTitles16(kTitles.begin(), kTitles.end()); // the titles are ASCII
const std::string kRow = "zifrano-lettere: riga ", kBom = "\xef\xbb\xbf";
const std::string kQuotesInDoubt =
    "virgolette ambigue: i fogli di calcolo dividono la riga in campi in modi diversi\n";
const std::string kNotInHeader = "zifrano-lettere: la colonna 'Totale' non è nell'intestazione";

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvTable,
    testing::Values(
        // Quotes, doubled quotes, a separator and a line break inside a field, CRLF, a byte-order
        // mark: every field goes out with the bytes it came with.
        CsvCase{"--csv IMPORTO",
                kBom + "\"Cliente\";Importo\r\n\"Rossi; \"\"B\"\"\r\n\";12,5\r\n\" a \";3\r\n",
                kBom + "\"Cliente\";Importo" + kTitles +
                    "\r\n\"Rossi; \"\"B\"\"\r\n\";12,5;dodici / 50;dodici" +
                    "\r\n\" a \";3;tre / 00;tre\r\n",
                "", 0},
        // Text after a closing quote stays in its field, as spreadsheets read it; a quote inside
        // a field opens nothing, one after blanks does. Where spreadsheets differ on a row, it
        // is refused.
        CsvCase{
            "--csv 2",
            "Nota;Importo\n\"urgente\" entro venerdì;1\n\"La Bottega\" snc;2\nx\"y;3\n "
            "\"4;4\";4\n\"a\" b;\"5\"\nx;\"12\"50\n\"a;b\" x;8\ny;9\n",
            "Nota;Importo" + kTitles + "\n\"urgente\" entro venerdì;1;uno / 00;uno\n" +
                "\"La Bottega\" snc;2;due / 00;due\nx\"y;3;tre / 00;tre\n \"4;4\";4;quattro / "
                "00;quattro\n\"a\" b;\"5\";;\nx;\"12\"50;;\n\"a;b\" x;8;;\ny;9;nove / 00;nove\n",
            kRow + "6: " + kQuotesInDoubt + kRow + "7: non è un importo: '\"12\"50'\n" + kRow +
                "8: " + kQuotesInDoubt,
            1},
        // By number, with a comma between fields, the whole amount only, the Italian way.
        CsvCase{
            "--csv 2 --separatore , --lire --migliaia", "a,b\nx,\"1.234,00\"\ny,7",
            "a,b,Importo intero in lettere\nx,\"1.234,00\",milleduecentotrentaquattro\ny,7,sette\n",
            "", 0},
        // Blank rows stay; a short row is filled out, and worded when it holds the amount; rows in
        // error keep their place and their fields, and are named as a spreadsheet numbers them.
        CsvCase{"--csv Importo",
                "N;Importo;Nota\n\n1;12abc;x\r\n\r\n2\n3;-1;\n4;; z \n5;6\n7;8;9;0\n",
                "N;Importo;Nota" + kTitles + "\n\n1;12abc;x;;\r\n\r\n2;;;;\n3;-1;;;\n4;; z ;;\n" +
                    "5;6;;sei / 00;sei\n7;8;9;0;;\n",
                kRow + "3: non è un importo: '12abc'\n" + kRow +
                    "5: ha 1 campo, l'intestazione 3\n" + kRow + "6: importo negativo: '-1'\n" +
                    kRow + "7: manca l'importo: ''\n" + kRow + "9: ha 4 campi, l'intestazione 3\n",
                1},
        // Blanks do not make a field too long; a Windows-1252 euro sign is a euro sign.
        CsvCase{
            "--csv 2", "A;B\nx;" + std::string(252, ' ') + "1 234\ny;\x80 3\n",
            "A;B" + kTitles + "\nx;" + std::string(252, ' ') +
                "1 234;milleduecentotrentaquattro / 00;milleduecentotrentaquattro\ny;\x80 3;tre / "
                "00;tre\n",
            "", 0},
        // With a space for the separator, every space separates: two stand around an empty field.
        CsvCase{"--csv Importo --separatore ␣",
                "Data Cliente Importo Colli\n01/12/2026  12,50 3\n \"a b\" 7\n",
                "Data Cliente Importo Colli \"Importo in lettere\" \"Importo intero in lettere\"\n"
                "01/12/2026  12,50 3 \"dodici / 50\" dodici\n \"a b\" 7  \"sette / 00\" sette\n",
                "", 0},
        // Another quote; blanks after a closing quote end the field; a quote in what we add is
        // doubled.
        CsvCase{"--csv 2 --virgolette ' --separatore e",
                "'Nota'  eImporto\n'riga\nuno e due'e5\n'it''s' e'6' \nxeabc\n",
                "'Nota'  eImportoe'Importo in lettere'e'Importo intero in lettere'\n'riga\nuno e "
                "due'e5e'cinque / 00'e'cinque'\n'it''s' e'6' e'sei / 00'e'sei'\nxeabcee\n",
                kRow + "4: non è un importo: 'abc'\n", 1},
        // Empty fields past the header go after the wordings; text there makes the row too
        // long. Rows of separators or empty quotes alone are blank rows; a blank is text.
        CsvCase{"--csv 2", "A;B\nx;1;\ny;2;;\n;;\n\"\";\"\"\nz;3;;w\n \n",
                "A;B" + kTitles +
                    "\nx;1;uno / 00;uno;\ny;2;due / 00;due;;\n;;\n\"\";\"\"\nz;3;;w;;\n ;;;\n",
                kRow + "6: ha 4 campi, l'intestazione 2\n" + kRow +
                    "7: ha 1 campo, l'intestazione 2\n",
                1},
        // Excel's line naming the separator comes before the header, and the usual one is text
        // from there on; LF CR ends a row.
        CsvCase{"--csv 2", "sep=,\n\rA,B\n\rx;y,\"1,5\"\n\ry,z",
                "sep=,\n\rA,B,Importo in lettere,Importo intero in lettere\n\rx;y,\"1,5\",uno / "
                "50,uno\n\ry,z,,\n\r",
                kRow + "4: non è un importo: 'z'\n", 1},
        // A byte above ASCII (Windows-1252's €) after "sep=" names no separator: a header.
        CsvCase{"--csv 1", "sep=\x80\n12\n", "sep=\x80" + kTitles + "\n12;dodici / 00;dodici\n", "",
                0},
        // UTF-16 is answered in UTF-16, with its mark, every code unit kept.
        CsvCase{"--csv 2", utf16(u"\uFEFF\U00020BB7;\xD800\r\n\u0080\u00E0;€ 7\r\n", true),
                utf16(u"\uFEFF\U00020BB7;\xD800;Importo in lettere;Importo intero in "
                      u"lettere\r\n\u0080\u00E0;€ 7;sette / 00;sette\r\n",
                      true),
                "", 0},
        // An odd byte at the end is half a character: dropped, and said.
        CsvCase{"--csv 1", utf16(u"\uFEFFA\n1") + "\n",
                utf16(u"\uFEFFA" + kTitles16 + u"\n1;uno / 00;uno\n"),
                "zifrano-lettere: il testo UTF-16 finisce a metà di un carattere: l'ultimo byte è "
                "stato tralasciato\n",
                1},
        CsvCase{"--csv 1", utf16(u"A\n"), "",
                "zifrano-lettere: il testo è in UTF-16LE senza BOM: salvarlo in UTF-8, o in UTF-16 "
                "con BOM\n",
                1},
        // Titles without case, an accented capital too; the blank after a character, not the last
        // byte of one.
        CsvCase{"--csv CITTÀ†", "N;Città†\u00a0\n1;2\n",
                "N;Città†\u00a0" + kTitles + "\n1;2;due / 00;due\n", "", 0},
        CsvCase{"--csv città", "N;CITTÀ\n1;2\n", "N;CITTÀ" + kTitles + "\n1;2;due / 00;due\n", "",
                0},
        // Windows-1252 titles are read as such; so is its no-break space.
        CsvCase{"--csv totale€ --migliaia",
                "Citt\xe0;Totale\x80\r\nx;\x80\xa0"
                "1\xa0"
                "234,56\r\n",
                "Citt\xe0;Totale\x80" + kTitles +
                    "\r\nx;\x80\xa0"
                    "1\xa0"
                    "234,56;milleduecentotrentaquattro / "
                    "56;milleduecentotrentaquattro\r\n",
                "", 0},
        CsvCase{"--csv x", "Citt\xe0 alta;Totale\x80\r\n", "",
                "zifrano-lettere: la colonna 'x' non è nell'intestazione; titoli letti: 'Città "
                "alta', 'Totale€'\n",
                2},
        // A quote left open is an error at the row where it opened, never a merge in silence.
        CsvCase{"--csv 2", "A;B\n1;2\n\"aperte;3\n4;5\n",
                "A;B" + kTitles + "\n1;2;due / 00;due\n\"aperte;3\n4;5\n",
                kRow + "3: virgolette aperte e mai chiuse; da qui alla fine nessun importo è stato "
                       "letto\n",
                1},
        // A last row without a line end ends as the row before it.
        CsvCase{"--csv 2", "A;B\r\n1;2", "A;B" + kTitles + "\r\n1;2;due / 00;due\r\n", "", 0},
        // A header alone, without a line end; a byte-order mark alone.
        CsvCase{"--csv b", "a;b", "a;b" + kTitles + "\n", "", 0},
        CsvCase{"--csv Totale", kBom, "", kNotInHeader + ", che è vuota\n", 2},
        // The column without guessing: titles without case or blanks around, a number that is a
        // title, and whatever could name two columns.
        CsvCase{"--csv importo", "N;\t Importo\t\n1;2\n",
                "N;\t Importo\t" + kTitles + "\n1;2;due / 00;due\n", "", 0},
        CsvCase{"--csv importo", "\"Importo\"\n5\n",
                "\"Importo\"" + kTitles + "\n5;cinque / 00;cinque\n", "", 0},
        CsvCase{"--csv 2026", "Cliente;2026\nx;5\n",
                "Cliente;2026" + kTitles + "\nx;5;cinque / 00;cinque\n", "", 0},
        CsvCase{
            "--csv 2", "Cliente;1;2;3\n", "",
            "zifrano-lettere: la colonna '2' è ambigua: è il titolo della colonna 3 e il numero "
            "della colonna 2, '1'\n",
            2},
        CsvCase{
            "--csv Importo", "Importo;N;importo\n", "",
            "zifrano-lettere: la colonna 'Importo' è nell'intestazione più volte: colonne 1 e 3\n",
            2},
        CsvCase{"--csv Totale", "Data,Importo\n1,2\n", "",
                kNotInHeader + "; titoli letti: 'Data,Importo'; provare --separatore ,\n", 2},
        CsvCase{"--csv 0", "A;B\xc2\xa0\n", "",
                "zifrano-lettere: la colonna '0' non è nell'intestazione; titoli letti: 'A', "
                "'B\\u00A0'\n",
                2},
        // A file named is read, not standard input; an empty one has no header.
        CsvCase{"--csv Totale /dev/null", "Totale\n1\n", "", kNotInHeader + ", che è vuota\n", 2},
        CsvCase{"--csv 1 /nonexistent/a.csv", "", "",
                "zifrano-lettere: il file '/nonexistent/a.csv' non esiste\n", 1},
        CsvCase{"--csv 1 /", "", "", "zifrano-lettere: '/' è una cartella, non un file\n", 1},
        // A file that opens but cannot be read, as on a failing disk.
        CsvCase{"--csv 1 /proc/self/mem", "", "",
                "zifrano-lettere: errore di lettura del file '/proc/self/mem'\n", 1}));

} // namespace
