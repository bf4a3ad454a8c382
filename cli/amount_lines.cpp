// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "amount_lines.h"

#include "line_reader.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <istream>
#include <ostream>
#include <string>

namespace zifrano::cli {

AmountLines::AmountLines(const Request& request, std::ostream& out, std::ostream& err)
    : m_currency(request.currency)
    , m_notation(request.notation)
    , m_out(out)
    , m_err(err) {}

void AmountLines::write(const AmountText& text, Source source) {
    const auto read = readAmount(text, m_notation, m_currency);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        // The empty line keeps the output aligned with the input.
        m_out << '\n';
        m_err << kMessagePrefix << source.kind << ' ' << source.number << ": "
              << describe(*refusal, text.shown()) << '\n';
        m_sawRefusal = true;
        return;
    }
    const Amount amount = std::get<Amount>(read);
    if (m_currency == Currency::Euro) {
        writeImportoInLettere(amount, m_line);
    } else {
        writeNumeroInLettere(amount, m_line);
    }
    m_line += '\n';
    m_out << m_line;
}

void AmountLines::complain(std::string_view message) {
    m_err << kMessagePrefix << message << '\n';
    m_sawRefusal = true;
}

void writeEach(std::span<const std::string_view> amounts, AmountLines& lines) {
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        lines.write(AmountText(amounts[i]), Source{"argomento", i + 1});
    }
}

void writeEachLine(std::istream& in, std::ostream& out, std::ostream& err, AmountLines& lines) {
    LineReader reader(*in.rdbuf(), [&] {
        out.flush();
        err.flush();
    });
    const Utf16Output encoded(out, reader.encoding());
    if (reader.encoding() != Encoding::Utf8) {
        out << kByteOrderMark; // so that the answers open as the input did
    }
    std::size_t number = 1;
    for (const AmountText* line = nullptr; out && (line = reader.next()); ++number) {
        lines.write(*line, Source{"riga", number});
    }
    if (reader.lostHalfCharacter()) {
        lines.complain(kHalfCharacter);
    }
}

} // namespace zifrano::cli
