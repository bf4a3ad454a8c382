// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace zifrano::cli {

enum class RowKind {
    Plain,
    /// Nothing in any field: no byte, or separators and empty quotes alone, which a spreadsheet
    /// shows as an empty row.
    Blank,
    /// Text after a closing quote, then another quote, or after quotes around a separator or a
    /// line break: spreadsheets differ on where such a row's fields end.
    QuotesInDoubt,
};

/// A field as it stood in the input.
struct FieldView {
    std::string_view shown; ///< its first bytes (kShownBytes), quotes and all
    /// Text after its closing quote: spreadsheets then take the whole field as it stands, quotes
    /// included, as text.
    bool quotesKept = false;
};

/// What a CsvReader finds, in the order it finds it.
class CsvSink {
public:
    virtual ~CsvSink() = default;
    /// Bytes of the input as they came, every one but the line ends that end rows.
    virtual void raw(std::string_view bytes) = 0;
    /// A piece of the current field's text: without the quotes around it, a doubled quote as one.
    virtual void text(std::string_view piece) = 0;
    /// A field ends, at a separator or at the end of its row.
    virtual void fieldEnd(const FieldView& field) = 0;
    /// A row ends with `lineEnd` ("\n", "\r\n", "\r" or "\n\r", or the last one seen for a last
    /// row with none). Returns false to read no further.
    virtual bool rowEnd(std::string_view lineEnd, RowKind kind) = 0;
};

/// Splits a CSV table into rows and fields as spreadsheets import it, a piece at a time, in
/// constant memory. A quote opens a quoted field only at the start of a field, blanks before it
/// aside; inside, a doubled quote is a quote, and separators and line breaks are text. After the
/// closing quote, blanks before the separator or the line end are the field's last text; any
/// other text keeps the field as it stands, up to the next separator. Line ends are those of
/// isLineEnd. A space for the separator is never a blank: every one separates.
class CsvReader {
public:
    CsvReader(char separator, char quote, CsvSink& sink);

    void read(std::string_view piece);
    /// Ends the last row, if the input did not. Returns false when a quoted field was still open:
    /// then nothing is ended, and openedAt() tells the row where it opened.
    bool finish();

    std::size_t openedAt() const { return m_quoteRow; }

    /// From now on, fields are separated by `separator`.
    void setSeparator(char separator);
    /// From now on, the raw bytes of a row are handed out at the end of its field `field` and of
    /// every later one, without the separator after them, so that the fields from there on can
    /// be told apart.
    void splitRawFrom(std::size_t field) { m_splitFrom = field; }

private:
    enum class State { FieldStart, Unquoted, Quoted, AfterQuote };

    // Each reads from the byte at `at` and returns where reading goes on.
    std::size_t startField(std::string_view piece, std::size_t at);
    std::size_t readUnquoted(std::string_view piece, std::size_t at);
    std::size_t readQuoted(std::string_view piece, std::size_t at);
    std::size_t afterQuote(std::string_view piece, std::size_t at);
    std::size_t endLine(std::string_view piece, std::size_t at);

    void text(std::string_view piece);
    void flushRaw(std::string_view piece, std::size_t end);
    void keepShown(std::string_view bytes);
    /// Ends the current field, whose last bytes are `rest`.
    void endField(std::string_view rest);
    void endRow(std::string_view lineEnd);
    bool endsField(char c) const { return m_endsField[static_cast<unsigned char>(c)]; }

    char m_separator;
    char m_quote;
    CsvSink& m_sink;
    State m_state = State::FieldStart;
    std::string_view m_lineEnd = "\n";
    std::size_t m_row = 1;
    std::size_t m_quoteRow = 0;
    std::size_t m_field = 0; // in this row
    std::size_t m_splitFrom = std::numeric_limits<std::size_t>::max();
    bool m_rowStarted = false;
    bool m_rowHasText = false;
    bool m_textAfterQuote = false; // in this row
    bool m_inDoubt = false;        // in this row
    char m_pairedLineEnd = 0;      // what would complete the line end that ended the last piece
    bool m_stopped = false;        // the sink wants no more
    std::size_t m_rawStart = 0;    // where the bytes not yet handed out begin in the piece
    std::size_t m_fieldStart = 0;  // where the current field began in the piece being read
    std::string m_shown;           // the first bytes of a field begun in an earlier piece
    std::array<bool, 256> m_endsField{}; // the separator and the line ends
    bool m_quotesKept = false;           // the current field's
    bool m_quotedBreak = false; // a separator or line break inside the current field's quotes
    bool m_blankAfterQuote = false;
};

} // namespace zifrano::cli
