// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "csv_reader.h"

#include "messages.h"
#include "waiting_input.h"

#include <algorithm>
#include <utility>

namespace zifrano::cli {
namespace {

constexpr std::string_view pairOfLineEnds(char first) {
    return first == '\n' ? "\n\r" : "\r\n";
}

} // namespace

CsvReader::CsvReader(char separator, char quote, CsvSink& sink)
    : m_separator(separator)
    , m_quote(quote)
    , m_sink(sink) {
    setSeparator(separator);
}

void CsvReader::setSeparator(char separator) {
    m_endsField[static_cast<unsigned char>(m_separator)] = false;
    m_separator = separator;
    for (const char c : {separator, '\n', '\r'}) {
        m_endsField[static_cast<unsigned char>(c)] = true;
    }
}

void CsvReader::read(std::string_view piece) {
    if (m_stopped) {
        return;
    }
    std::size_t at = 0;
    if (const char paired = std::exchange(m_pairedLineEnd, 0);
        paired != 0 && piece.starts_with(paired)) {
        m_sink.raw(piece.substr(0, 1)); // the rest of a line end whose row has already ended
        m_lineEnd = pairOfLineEnds(pairedLineEnd(paired));
        at = 1;
    }
    m_rawStart = m_fieldStart = at;
    while (at < piece.size() && !m_stopped) {
        switch (m_state) {
        case State::FieldStart:
            at = startField(piece, at);
            break;
        case State::Unquoted:
            at = readUnquoted(piece, at);
            break;
        case State::Quoted:
            at = readQuoted(piece, at);
            break;
        case State::AfterQuote:
            at = afterQuote(piece, at);
            break;
        }
    }
    if (!m_stopped) {
        keepShown(piece.substr(std::min(m_fieldStart, piece.size())));
        m_sink.raw(piece.substr(m_rawStart));
    }
}

void CsvReader::text(std::string_view piece) {
    m_rowHasText = m_rowHasText || !piece.empty();
    m_sink.text(piece);
}

void CsvReader::flushRaw(std::string_view piece, std::size_t end) {
    if (end > m_rawStart) {
        m_sink.raw(piece.substr(m_rawStart, end - m_rawStart));
    }
    m_rawStart = end;
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
    ++m_field;
}

std::size_t CsvReader::startField(std::string_view piece, std::size_t at) {
    const char c = piece[at];
    if (!m_rowStarted && isLineEnd(c)) {
        return endLine(piece, at); // a row without a byte
    }
    m_rowStarted = true;
    if (c == ' ' && m_separator != ' ') {
        text(" "); // a quote may still open the field
        return at + 1;
    }
    if (c == m_quote) {
        m_state = State::Quoted;
        m_inDoubt = m_inDoubt || m_textAfterQuote;
        m_quoteRow = m_row;
        return at + 1;
    }
    m_state = State::Unquoted;
    return at;
}

std::size_t CsvReader::readUnquoted(std::string_view piece, std::size_t at) {
    const auto end = std::find_if(piece.begin() + static_cast<std::ptrdiff_t>(at), piece.end(),
                                  [this](char c) { return endsField(c); });
    const auto size = static_cast<std::size_t>(end - piece.begin()) - at;
    const std::string_view unquoted = piece.substr(at, size);
    m_inDoubt = m_inDoubt || (m_textAfterQuote && unquoted.find(m_quote) != std::string_view::npos);
    text(unquoted);
    at += size;
    if (end == piece.end()) {
        return at;
    }
    const bool atSeparator = *end == m_separator;
    if (!atSeparator || m_field >= m_splitFrom) {
        flushRaw(piece, at); // the field's bytes, before the sink hears of its end
    }
    endField(piece.substr(m_fieldStart, at - m_fieldStart));
    m_fieldStart = at + 1;
    m_state = State::FieldStart;
    return atSeparator ? at + 1 : endLine(piece, at);
}

std::size_t CsvReader::readQuoted(std::string_view piece, std::size_t at) {
    const std::size_t quote = std::min(piece.find(m_quote, at), piece.size());
    const std::string_view quoted = piece.substr(at, quote - at);
    m_quotedBreak = m_quotedBreak || std::any_of(quoted.begin(), quoted.end(),
                                                 [this](char c) { return endsField(c); });
    text(quoted);
    if (quote == piece.size()) {
        return quote;
    }
    m_state = State::AfterQuote;
    m_blankAfterQuote = false;
    return quote + 1;
}

std::size_t CsvReader::afterQuote(std::string_view piece, std::size_t at) {
    const char c = piece[at];
    if (c == m_quote && !m_blankAfterQuote) {
        text(piece.substr(at, 1)); // a doubled quote
        m_state = State::Quoted;
        return at + 1;
    }
    if (c == ' ' && m_separator != ' ') {
        // Blanks before the separator end the field's text; before anything else, they are
        // text after the quote like the rest.
        const std::size_t end = std::min(piece.find_first_not_of(' ', at), piece.size());
        text(piece.substr(at, end - at));
        m_blankAfterQuote = true;
        return end;
    }
    // Text after the closing quote stays in the field.
    if (!endsField(c)) {
        m_quotesKept = m_textAfterQuote = true;
        m_inDoubt = m_inDoubt || m_quotedBreak;
    }
    m_state = State::Unquoted;
    return at;
}

// The line end at `at` ends the row.
std::size_t CsvReader::endLine(std::string_view piece, std::size_t at) {
    flushRaw(piece, at);
    const char first = piece[at++];
    std::string_view lineEnd = first == '\n' ? "\n" : "\r";
    if (at == piece.size()) {
        m_pairedLineEnd = pairedLineEnd(first); // which may come with the next piece
    } else if (piece[at] == pairedLineEnd(first)) {
        lineEnd = pairOfLineEnds(first);
        ++at;
    }
    endRow(lineEnd);
    m_rawStart = m_fieldStart = at;
    return at;
}

void CsvReader::endRow(std::string_view lineEnd) {
    m_lineEnd = lineEnd;
    const RowKind kind = !m_rowHasText ? RowKind::Blank
                         : m_inDoubt   ? RowKind::QuotesInDoubt
                                       : RowKind::Plain;
    m_stopped = !m_sink.rowEnd(lineEnd, kind);
    m_rowStarted = m_rowHasText = m_textAfterQuote = m_inDoubt = false;
    m_field = 0;
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
