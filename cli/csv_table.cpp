#include "csv_table.h"

#include "amount_text.h"
#include "waiting_input.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace zifrano::cli {
namespace {

constexpr std::size_t kLargestField = 1 << 20;
constexpr std::size_t kRowPiece = 1 << 16;

// The parser grows its field buffer through this: a field past a mebibyte is refused, so that
// memory stays bounded whatever the input.
void* boundedRealloc(void* block, std::size_t size) {
    return size > kLargestField ? nullptr : std::realloc(block, size);
}

// Every byte of an unquoted field is kept: nothing counts as a blank to trim.
int noBlanks(unsigned char) {
    return 0;
}

// The column a user names: its number from 1, or its title in the header.
std::optional<std::size_t> findColumn(std::string_view named,
                                      const std::vector<std::string>& header) {
    if (!named.empty() &&
        std::all_of(named.begin(), named.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        const std::size_t number = std::stoul(std::string(named.substr(0, 9)));
        return number >= 1 && number <= header.size() ? std::optional(number - 1) : std::nullopt;
    }
    const auto found = std::find(header.begin(), header.end(), named);
    return found == header.end() ? std::nullopt
                                 : std::optional(static_cast<std::size_t>(found - header.begin()));
}

class TableCopier {
public:
    TableCopier(const Request& request, const WaitingInput& input, std::ostream& out,
                std::ostream& err)
        : m_request(request)
        , m_input(input)
        , m_out(out)
        , m_err(err) {}

    void field(std::string_view text);
    void rowEnd(int terminator);

    bool columnMissing() const { return m_columnMissing; }
    bool sawError() const { return m_sawError; }
    std::size_t row() const { return m_row; }

private:
    void headerEnd();
    void wordAmount();
    void writeField(std::string_view text);
    void writeWordings(std::optional<Amount> amount);
    void complain(const std::string& message);

    const Request& m_request;
    const WaitingInput& m_input;
    std::ostream& m_out;
    std::ostream& m_err;
    std::vector<std::string> m_header;
    std::optional<std::size_t> m_column;
    std::size_t m_row = 1;
    std::size_t m_fields = 0;
    std::string m_amount;
    std::string m_quoted;
    std::string m_rowText; // the row being written, sent out whole
    std::string m_lineEnd = "\n";
    bool m_columnMissing = false;
    bool m_sawError = false;
};

void TableCopier::writeField(std::string_view text) {
    if (m_fields++ > 0) {
        m_rowText += m_request.separator;
    }
    const auto special = [this](char c) {
        return c == m_request.separator || c == '"' || c == '\r' || c == '\n';
    };
    if (std::none_of(text.begin(), text.end(), special)) {
        m_rowText += text;
    } else {
        // Quoted, with its quotes doubled, as the library writes a field.
        m_quoted.resize(csv_write2(nullptr, 0, text.data(), text.size(), '"'));
        csv_write2(m_quoted.data(), m_quoted.size(), text.data(), text.size(), '"');
        m_rowText += m_quoted;
    }
    // A row of many long fields goes out in pieces, so that memory stays bounded.
    if (m_rowText.size() > kRowPiece) {
        m_out << m_rowText;
        m_rowText.clear();
    }
}

void TableCopier::field(std::string_view text) {
    if (m_columnMissing) {
        return;
    }
    if (!m_column) {
        m_header.emplace_back(text);
        return;
    }
    if (m_fields == *m_column) {
        m_amount.assign(text.substr(0, kLongestAmount + 1));
    }
    writeField(text);
}

void TableCopier::headerEnd() {
    m_column = findColumn(*m_request.csvColumn, m_header);
    if (!m_column) {
        m_columnMissing = true;
        return;
    }
    if (m_input.hadByteOrderMark()) {
        m_rowText += kByteOrderMark; // kept, for the spreadsheets that look for it
    }
    for (const std::string& title : m_header) {
        writeField(title);
    }
    if (m_request.form == Form::Euro) {
        writeField("Importo in lettere");
    }
    writeField("Importo intero in lettere");
}

void TableCopier::complain(const std::string& message) {
    m_err << "zifrano-lettere: riga " << m_row << ": " << message << '\n';
    m_sawError = true;
}

// The wordings asked for, or empty fields in their place when there is no amount to word.
void TableCopier::writeWordings(std::optional<Amount> amount) {
    if (m_request.form == Form::Euro) {
        writeField(amount ? ImportoInLettere(*amount) : "");
    }
    writeField(amount ? NumeroInLettere(*amount) : "");
}

void TableCopier::wordAmount() {
    const auto read = readAmount(m_amount, m_request.figures);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        complain(describe(*refusal, m_amount));
        writeWordings(std::nullopt);
    } else {
        writeWordings(std::get<Amount>(read));
    }
}

void TableCopier::rowEnd(int terminator) {
    if (m_columnMissing) {
        return;
    }
    // Rows end as they ended in the input; the last one, at the end of the input, as the one
    // before.
    if (terminator == '\r' || terminator == '\n') {
        m_lineEnd = terminator == '\r' ? "\r\n" : "\n";
    }
    if (!m_column) {
        headerEnd();
        if (m_columnMissing) {
            return;
        }
    } else if (m_fields != m_header.size()) {
        complain("ha " + std::to_string(m_fields) + " campi, l'intestazione " +
                 std::to_string(m_header.size()));
        while (m_fields < m_header.size()) {
            writeField("");
        }
        writeWordings(std::nullopt);
    } else {
        wordAmount();
    }
    m_rowText += m_lineEnd;
    m_out << m_rowText;
    m_rowText.clear();
    m_fields = 0;
    ++m_row;
}

// The library's parser, set to keep every byte of a field and to bound its memory.
class Parser {
public:
    explicit Parser(char separator) {
        csv_init(&m_parser, 0);
        csv_set_delim(&m_parser, static_cast<unsigned char>(separator));
        csv_set_space_func(&m_parser, noBlanks);
        csv_set_realloc_func(&m_parser, boundedRealloc);
    }
    ~Parser() { csv_free(&m_parser); }
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // Parses `text` into `copier`; false when a field grew past its bound.
    bool parse(std::string_view text, TableCopier& copier) {
        return csv_parse(&m_parser, text.data(), text.size(), onField, onRowEnd, &copier) ==
               text.size();
    }
    void finish(TableCopier& copier) { csv_fini(&m_parser, onField, onRowEnd, &copier); }

private:
    static void onField(void* text, std::size_t size, void* copier) {
        static_cast<TableCopier*>(copier)->field({static_cast<const char*>(text), size});
    }
    static void onRowEnd(int terminator, void* copier) {
        static_cast<TableCopier*>(copier)->rowEnd(terminator);
    }

    csv_parser m_parser;
};

} // namespace

int wordCsvTable(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
    Parser parser(request.separator);
    WaitingInput input(*in.rdbuf(), [&] {
        out.flush();
        err.flush();
    });
    TableCopier copier(request, input, out, err);
    bool parsed = true;
    for (std::string_view piece;
         parsed && !copier.columnMissing() && out && !(piece = input.take()).empty();) {
        parsed = parser.parse(piece, copier);
    }
    if (copier.columnMissing()) {
        err << "zifrano-lettere: la colonna '" << *request.csvColumn
            << "' non è nell'intestazione\n";
        return 2;
    }
    if (parsed) {
        parser.finish(copier);
    } else {
        err << "zifrano-lettere: riga " << copier.row() << ": un campo è più lungo di 1 MiB\n";
    }
    return !parsed || copier.sawError() ? 1 : 0;
}

} // namespace zifrano::cli
