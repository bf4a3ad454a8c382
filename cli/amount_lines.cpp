#include "amount_lines.h"

#include "line_reader.h"

#include "zifrano/importo_in_lettere.h"
#include "zifrano/numero_in_lettere.h"

#include <istream>
#include <ostream>
#include <string>

namespace zifrano::cli {

AmountLines::AmountLines(const Request& request, std::ostream& out, std::ostream& err)
    : m_form(request.form)
    , m_figures(request.figures)
    , m_out(out)
    , m_err(err) {}

void AmountLines::write(std::string_view text, Source source, std::string_view shown) {
    const auto read = readAmount(text, m_figures);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        refuse(*refusal, source, shown);
        return;
    }
    const Amount amount = std::get<Amount>(read);
    m_out << (m_form == Form::Euro ? ImportoInLettere(amount) : NumeroInLettere(amount)) << '\n';
}

void AmountLines::refuse(Refusal refusal, Source source, std::string_view shown) {
    // The empty line keeps the output aligned with the input.
    m_out << '\n';
    m_err << "zifrano-lettere: " << source.kind << ' ' << source.number << ": "
          << describe(refusal, shown) << '\n';
    m_sawRefusal = true;
}

void writeEach(std::span<const std::string_view> amounts, AmountLines& lines) {
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        lines.write(amounts[i], Source{"argomento", i + 1}, amounts[i]);
    }
}

void writeEachLine(std::istream& in, std::ostream& out, std::ostream& err, AmountLines& lines) {
    LineReader reader(*in.rdbuf(), [&] {
        out.flush();
        err.flush();
    });
    for (std::size_t number = 1; out; ++number) {
        const std::optional<Line> line = reader.next();
        if (!line) {
            return;
        }
        const Source source{"riga", number};
        if (line->tooLong) {
            lines.refuse(Refusal::TooLong, source, line->preview);
        } else {
            lines.write(line->text, source, line->preview);
        }
    }
}

} // namespace zifrano::cli
