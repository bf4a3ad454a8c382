#include "csv_reader.h"

#include "amount_text.h"
#include "waiting_input.h"

#include <algorithm>
#include <utility>

namespace zifrano::cli {
CsvReader::CsvReader(char separator, CsvSink& sink)
    : m_separator(separator)
    , m_sink(sink) {
    for (const char c : {separator, '\n', '\r'}) {
        m_endsField[static_cast<unsigned char>(c)] = true;
    }
}

void CsvReader::read(std::string_view piece) {
    if (m_stopped) {
        return;
    }
    std::size_t at = 0;
    if (std::exchange(m_afterCarriageReturn, false) && piece.starts_with('\n')) {
        m_sink.raw("\n"); // the rest of a CRLF whose row has already ended
        m_lineEnd = "\r\n";
        at = 1;
    }
    std::size_t rawStart = at;
    m_fieldStart = at;
    while (at < piece.size() && !m_stopped) {
        at = step(piece, at, rawStart);
    }
    if (!m_stopped) {
        keepShown(piece.substr(std::min(m_fieldStart, piece.size())));
        m_sink.raw(piece.substr(rawStart));
    }
}

void CsvReader::keepShown(std::string_view bytes) {
    m_shown.append(bytes.substr(0, kShownBytes - std::min(m_shown.size(), kShownBytes)));
}

void CsvReader::endField(std::string_view rest) {
    // A field read in one piece is shown from the piece itself, without a copy.
    std::string_view shown = rest.substr(0, kShownBytes);
    if (!m_shown.empty()) {
        keepShown(rest);
        shown = m_shown;
    }
    m_sink.fieldEnd(FieldView{shown, m_quotesKept});
    m_shown.clear();
    m_quotesKept = m_quotedBreak = false;
}

std::size_t CsvReader::step(std::string_view piece, std::size_t at, std::size_t& rawStart) {
    switch (m_state) {
    case State::Quoted: {
        const std::size_t quote = std::min(piece.find('"', at), piece.size());
        const std::string_view text = piece.substr(at, quote - at);
        m_quotedBreak = m_quotedBreak || std::any_of(text.begin(), text.end(), [this](char c) {
                            return c == m_separator || isLineEnd(c);
                        });
        m_sink.text(text);
        if (quote == piece.size()) {
            return quote;
        }
        m_state = State::AfterQuote;
        return quote + 1;
    }
    case State::AfterQuote:
        if (piece[at] == '"') {
            m_sink.text("\"");
            m_state = State::Quoted;
            return at + 1;
        }
        // Text after the closing quote stays in the field.
        if (piece[at] != m_separator && !isLineEnd(piece[at])) {
            m_quotesKept = m_textAfterQuote = true;
            m_inDoubt = m_inDoubt || m_quotedBreak;
        }
        m_state = State::Unquoted;
        return at;
    case State::FieldStart:
        if (!m_rowStarted && isLineEnd(piece[at])) {
            break; // a blank row
        }
        m_rowStarted = true;
        if (piece[at] == ' ') {
            m_sink.text(" "); // a quote may still open the field
            return at + 1;
        }
        m_state = piece[at] == '"' ? State::Quoted : State::Unquoted;
        if (m_state == State::Quoted) {
            m_inDoubt = m_inDoubt || m_textAfterQuote;
            m_quoteRow = m_row;
            return at + 1;
        }
        return at;
    case State::Unquoted: {
        const auto end =
            std::find_if(piece.begin() + static_cast<std::ptrdiff_t>(at), piece.end(),
                         [this](char c) { return m_endsField[static_cast<unsigned char>(c)]; });
        const auto size = static_cast<std::size_t>(end - piece.begin()) - at;
        const std::string_view text = piece.substr(at, size);
        m_inDoubt = m_inDoubt || (m_textAfterQuote && text.find('"') != std::string_view::npos);
        m_sink.text(text);
        at += size;
        if (end == piece.end()) {
            return at;
        }
        endField(piece.substr(m_fieldStart, at - m_fieldStart));
        m_fieldStart = at + 1;
        m_state = State::FieldStart;
        if (*end == m_separator) {
            return at + 1;
        }
        break;
    }
    }
    // A line end at `at` ends the row.
    m_sink.raw(piece.substr(rawStart, at - rawStart));
    std::string_view lineEnd = piece[at] == '\n' ? "\n" : "\r";
    if (piece[at++] == '\r') {
        if (at == piece.size()) {
            m_afterCarriageReturn = true; // its LF, if any, comes with the next piece
        } else if (piece[at] == '\n') {
            lineEnd = "\r\n";
            ++at;
        }
    }
    endRow(lineEnd);
    rawStart = m_fieldStart = at;
    return at;
}

void CsvReader::endRow(std::string_view lineEnd) {
    m_lineEnd = lineEnd;
    const RowKind kind = !m_rowStarted ? RowKind::Blank
                         : m_inDoubt   ? RowKind::QuotesInDoubt
                                       : RowKind::Plain;
    m_stopped = !m_sink.rowEnd(lineEnd, kind);
    m_state = State::FieldStart;
    m_rowStarted = m_textAfterQuote = m_inDoubt = false;
    ++m_row;
}

bool CsvReader::finish() {
    if (m_state == State::Quoted) {
        return false;
    }
    if (m_rowStarted) {
        endField({});
        endRow(m_lineEnd);
    }
    return true;
}

} // namespace zifrano::cli
