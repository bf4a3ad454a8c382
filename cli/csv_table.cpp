// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "csv_table.h"

#include "csv_reader.h"
#include "encodings.h"
#include "messages.h"
#include "waiting_input.h"
#include "zifrano_product.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <algorithm>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace zifrano::cli {
namespace {

// The header is held until the column is known; past this it is no header.
constexpr std::size_t kLongestHeader = 256 * 1024;
// A title longer than this is kept cut, and matches nothing.
constexpr std::size_t kLongestTitle = 1024;
constexpr std::string_view kQuotesInDoubt =
    "virgolette ambigue: i fogli di calcolo dividono la riga in campi in modi diversi";

// A title as the user reads it: in UTF-8, or in Windows-1252 where it is not UTF-8.
std::string readable(std::string_view title) {
    return isUtf8(title) ? std::string(title) : fromWindows1252(title);
}

// A title as it is compared: without a byte-order mark, blanks and tabs around it, in lower case
// (ASCII, and the accented capitals of Latin-1 as UTF-8 writes them).
std::string comparable(std::string_view written) {
    const std::string read = readable(written);
    std::string_view title = read;
    while (title.starts_with(kByteOrderMark)) {
        title.remove_prefix(kByteOrderMark.size());
    }
    std::string lower(trimBlanksAndTabs(title));
    for (std::size_t i = 0; i < lower.size(); ++i) {
        const auto c = static_cast<unsigned char>(lower[i]);
        const bool latinCapital = i > 0 && lower[i - 1] == '\xc3' && c >= 0x80 && c <= 0x9e &&
                                  c != 0x97; // U+00C0 to U+00DE, but for the multiplication sign
        if ((c >= 'A' && c <= 'Z') || latinCapital) {
            lower[i] = static_cast<char>(c + 0x20);
        }
    }
    return lower;
}

// "3", "3 e 5", "3, 5 e 7".
std::string listed(const std::vector<std::size_t>& numbers) {
    std::string list;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        list += i == 0 ? "" : i + 1 == numbers.size() ? " e " : ", ";
        list += std::to_string(numbers[i]);
    }
    return list;
}

// "1 campo", "3 campi".
std::string fieldCount(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " campo" : " campi");
}

// The message for a column that is not there: the titles that were read, and a hint when the
// header looks separated by something else.
std::string notFound(std::string_view named, const std::vector<std::string>& titles,
                     std::string_view header, char separator) {
    constexpr std::size_t kTitlesShown = 12;
    std::string message = "la colonna " + quoteForTerminal(named) + " non è nell'intestazione";
    message += titles.empty() ? ", che è vuota" : "; titoli letti: ";
    for (std::size_t i = 0; i < std::min(titles.size(), kTitlesShown); ++i) {
        message += (i > 0 ? ", " : "") + quoteForTerminal(readable(titles[i]), 20);
    }
    message += titles.size() > kTitlesShown ? ", …" : "";
    for (const std::string_view other : {",", "\t"}) {
        if (header.find(separator) == std::string_view::npos &&
            header.find(other) != std::string_view::npos) {
            message += std::string("; provare --separatore ") + (other == "\t" ? "\\t" : ",");
            break;
        }
    }
    return message;
}

// The column a user names: its title, compared without case and blanks; or its number from 1,
// when no column has that number for its title. Anything that could mean two columns is refused.
std::variant<std::size_t, std::string> findColumn(std::string_view named,
                                                  const std::vector<std::string>& titles,
                                                  std::string_view header, char separator) {
    std::vector<std::size_t> matches;
    const std::string wanted = comparable(named);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (titles[i].size() <= kLongestTitle && comparable(titles[i]) == wanted) {
            matches.push_back(i + 1);
        }
    }
    const bool isNumber = !named.empty() && named.size() < 10 &&
                          named.find_first_not_of("0123456789") == std::string_view::npos;
    const std::size_t number = isNumber ? std::stoul(std::string(named)) : 0;
    const bool numbersAColumn = number >= 1 && number <= titles.size();
    const std::string shown = quoteForTerminal(named);
    if (matches.size() > 1) {
        return "la colonna " + shown + " è nell'intestazione più volte: colonne " + listed(matches);
    }
    if (matches.size() == 1 && numbersAColumn && number != matches.front()) {
        return "la colonna " + shown + " è ambigua: è il titolo della colonna " +
               std::to_string(matches.front()) + " e il numero della colonna " +
               std::to_string(number) + ", " + quoteForTerminal(readable(titles[number - 1]), 20);
    }
    if (matches.size() == 1) {
        return matches.front() - 1;
    }
    if (numbersAColumn) {
        return number - 1;
    }
    return notFound(named, titles, header, separator);
}

// Copies each row as it came and adds the wordings of its amount at its end.
class TableCopier : public CsvSink {
public:
    TableCopier(const Request& request, const WaitingInput& input, std::ostream& out,
                std::ostream& err)
        : m_request(request)
        , m_input(input)
        , m_out(out)
        , m_err(err)
        , m_separator(request.separator.value_or(kDefaultSeparator))
        , m_reader(m_separator, request.quote, *this) {}

    void read(std::string_view piece) { m_reader.read(piece); }
    /// Ends the table: its last row, a header without a line end, or a quote left open.
    void finish();

    bool stopped() const { return m_stopped; }
    int status() const { return m_status; }

private:
    void raw(std::string_view bytes) override;
    void text(std::string_view piece) override;
    void fieldEnd(const FieldView& field) override;
    bool rowEnd(std::string_view lineEnd, RowKind kind) override;

    bool inHeader() const { return !m_column; }
    bool takeSeparatorLine(std::string_view lineEnd);
    void headerEnd(std::string_view lineEnd);
    void dataRowEnd(RowKind kind);
    void wordAmount();
    void writeField(std::string_view text);
    void writeAddedFields();
    void writeWordings(std::optional<Amount> amount);
    void textBeyondHeader();
    void writeHeldSeparators();
    /// A message about row `row`; the exit status becomes 1.
    void complain(std::size_t row, const std::string& message);
    /// A usage error (status 2): the table is not read further.
    void stop(const std::string& message);

    const Request& m_request;
    const WaitingInput& m_input;
    std::ostream& m_out;
    std::ostream& m_err;
    char m_separator;
    CsvReader m_reader;
    std::string m_header;            // the header's bytes, held until the column is known
    std::size_t m_separatorLine = 0; // the bytes of Excel's "sep=" line, at the header's start
    std::vector<std::string> m_titles{std::string()};
    std::optional<std::size_t> m_column;
    std::size_t m_width = 0; // the header's fields
    std::size_t m_row = 1;
    std::size_t m_fields = 0; // the fields of this row ended so far
    AmountText m_amount;
    std::string m_amountQuoted; // the amount's field, when text stood after its closing quote
    std::string m_wording;      // kept, so that its room serves every row
    std::string m_added;        // the fields we add to a row, written at once
    // Separators of empty fields past the header's last, held until the row shows whether they
    // go after the wordings or whether text past the header makes the row too long.
    std::size_t m_heldSeparators = 0;
    bool m_textBeyondHeader = false;
    int m_status = 0;
    bool m_stopped = false;
};

void TableCopier::raw(std::string_view bytes) {
    if (inHeader()) {
        if (m_header.append(bytes).size() > kLongestHeader) {
            complain(m_row, "l'intestazione è più lunga di " +
                                std::to_string(kLongestHeader / 1024) + " KiB");
            m_stopped = true;
        }
    } else if (m_fields < m_width || m_textBeyondHeader) {
        m_out << bytes;
    } else if (bytes.find_first_not_of(m_separator) == std::string_view::npos) {
        m_heldSeparators += bytes.size();
    } else {
        textBeyondHeader();
        m_out << bytes;
    }
}

void TableCopier::text(std::string_view piece) {
    if (inHeader()) {
        std::string& title = m_titles.back();
        title.append(piece.substr(0, kLongestTitle + 1 - std::min(title.size(), kLongestTitle)));
    } else if (m_fields == *m_column) {
        m_amount.append(piece);
    } else if (m_fields >= m_width && !piece.empty() && !m_textBeyondHeader) {
        textBeyondHeader();
    }
}

void TableCopier::fieldEnd(const FieldView& field) {
    if (inHeader()) {
        if (field.quotesKept) {
            m_titles.back() = field.shown; // a title as spreadsheets show it, quotes and all
        }
        m_titles.emplace_back();
    } else if (m_fields == *m_column && field.quotesKept) {
        m_amountQuoted = field.shown;
    }
    ++m_fields;
}

void TableCopier::textBeyondHeader() {
    m_textBeyondHeader = true;
    writeHeldSeparators();
}

void TableCopier::writeHeldSeparators() {
    for (; m_heldSeparators > 0; --m_heldSeparators) {
        m_out << m_separator;
    }
}

// A field we add: quoted when it holds the separator or a quote (it holds no line end), a quote
// inside doubled. It goes out with the others at the row's end.
void TableCopier::writeField(std::string_view text) {
    m_added += m_separator;
    if (text.find(m_separator) == std::string_view::npos &&
        text.find(m_request.quote) == std::string_view::npos) {
        m_added += text;
        return;
    }
    m_added += m_request.quote;
    for (const char c : text) {
        m_added += c;
        if (c == m_request.quote) {
            m_added += c;
        }
    }
    m_added += m_request.quote;
}

void TableCopier::writeAddedFields() {
    m_out << m_added;
    m_added.clear();
}

// The wordings asked for, or empty fields in their place when there is no amount to word.
void TableCopier::writeWordings(std::optional<Amount> amount) {
    if (m_request.currency == Currency::Euro) {
        m_wording.clear();
        if (amount) {
            writeImportoInLettere(*amount, m_wording);
        }
        writeField(m_wording);
    }
    m_wording.clear();
    if (amount) {
        writeNumeroInLettere(*amount, m_wording);
    }
    writeField(m_wording);
    writeAddedFields();
}

void TableCopier::complain(std::size_t row, const std::string& message) {
    m_err << kMessagePrefix << "riga " << row << ": " << message << '\n';
    m_status = std::max(m_status, 1);
}

void TableCopier::stop(const std::string& message) {
    m_err << kMessagePrefix << message << '\n';
    m_status = 2;
    m_stopped = true;
}

// Excel's first line "sep=;" names the separator, and the header comes after it.
bool TableCopier::takeSeparatorLine(std::string_view lineEnd) {
    const bool separatorLine = m_row == 1 && m_header.size() == 5 && m_header.starts_with("sep=") &&
                               m_header[4] != m_request.quote &&
                               static_cast<unsigned char>(m_header[4]) < 0x80;
    if (!separatorLine) {
        return false;
    }
    if (!m_request.separator) {
        m_separator = m_header[4];
        m_reader.setSeparator(m_separator);
    }
    // Held with the header, so that nothing goes out before the header is known good.
    m_header += lineEnd;
    m_separatorLine = m_header.size();
    m_titles = {std::string()};
    return true;
}

void TableCopier::headerEnd(std::string_view lineEnd) {
    if (takeSeparatorLine(lineEnd)) {
        return;
    }
    m_titles.resize(m_fields); // the title begun after the last field end is none
    m_width = m_fields;
    const auto found = findColumn(*m_request.csvColumn, m_titles,
                                  std::string_view(m_header).substr(m_separatorLine), m_separator);
    if (const auto* message = std::get_if<std::string>(&found)) {
        stop(*message);
        return;
    }
    m_column = std::get<std::size_t>(found);
    m_reader.splitRawFrom(m_width - 1);
    if (m_input.hadByteOrderMark()) {
        m_out << kByteOrderMark; // kept, for the spreadsheets that look for it
    }
    m_out << m_header;
    if (m_request.currency == Currency::Euro) {
        writeField(product::kCsvEuroTitle);
    }
    writeField(product::kCsvLireTitle);
    writeAddedFields();
    m_out << lineEnd;
    m_header = std::string();
    m_titles = {};
}

void TableCopier::wordAmount() {
    // "12"50 is text to a spreadsheet, quotes and all: no amount.
    const auto read = m_amountQuoted.empty()
                          ? readAmount(m_amount, m_request.notation, m_request.currency)
                          : std::variant<Amount, Refusal>(Refusal::NotAnAmount);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        const std::string_view shown = m_amountQuoted.empty() ? m_amount.shown() : m_amountQuoted;
        complain(m_row, describe(*refusal, shown));
        writeWordings(std::nullopt);
    } else {
        writeWordings(std::get<Amount>(read));
    }
}

void TableCopier::dataRowEnd(RowKind kind) {
    // A short row is filled out, so that the wordings stand in their columns.
    for (std::size_t field = m_fields; field < m_width; ++field) {
        m_out << m_separator;
    }
    if (kind == RowKind::QuotesInDoubt) {
        complain(m_row, std::string(kQuotesInDoubt));
        writeWordings(std::nullopt);
    } else if (m_fields > *m_column && !m_textBeyondHeader) {
        wordAmount();
    } else {
        complain(m_row,
                 "ha " + fieldCount(m_fields) + ", l'intestazione " + std::to_string(m_width));
        writeWordings(std::nullopt);
    }
}

bool TableCopier::rowEnd(std::string_view lineEnd, RowKind kind) {
    if (m_stopped) {
        return false; // the header grew too long
    }
    if (kind == RowKind::QuotesInDoubt && inHeader()) {
        complain(m_row, std::string(kQuotesInDoubt));
        m_stopped = true;
        return false;
    }
    if (inHeader()) {
        headerEnd(lineEnd);
        if (m_stopped) {
            return false;
        }
    } else {
        // A blank row is copied as it is, so that no row below it moves.
        if (kind != RowKind::Blank) {
            dataRowEnd(kind);
        }
        writeHeldSeparators();
        m_out << lineEnd;
    }
    ++m_row;
    m_fields = 0;
    m_amount.clear();
    m_amountQuoted.clear();
    m_textBeyondHeader = false;
    return true;
}

void TableCopier::finish() {
    if (m_stopped) {
        return;
    }
    if (m_input.lostHalfCharacter()) {
        m_err << kMessagePrefix << kHalfCharacter << '\n';
        m_status = std::max(m_status, 1);
    }
    if (!m_reader.finish()) {
        complain(m_reader.openedAt(),
                 "virgolette aperte e mai chiuse; da qui alla fine nessun importo è stato letto");
    } else if (inHeader()) {
        rowEnd("\n", RowKind::Plain);
    }
}

} // namespace

int wordCsvTable(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
    WaitingInput input(*in.rdbuf(), [&] {
        out.flush();
        err.flush();
    });
    const Utf16Output encoded(out, input.encoding());
    TableCopier copier(request, input, out, err);
    for (std::string_view piece; !copier.stopped() && out && !(piece = input.take()).empty();) {
        copier.read(piece);
    }
    if (out) {
        copier.finish();
    }
    return copier.status();
}

} // namespace zifrano::cli
