#include "amount_lines.h"

#include "zifrano/wordings.h"

#include <istream>
#include <ostream>
#include <string>

namespace zifrano::cli {

AmountLines::AmountLines(Form form, std::ostream& out, std::ostream& err)
    : m_form(form)
    , m_out(out)
    , m_err(err) {}

void AmountLines::write(std::string_view amount) {
    const std::optional<Wordings> wordings = wordingsFromText(amount);
    if (!wordings) {
        // The empty line keeps the output aligned with the input.
        m_out << '\n';
        m_err << "zifrano-lettere: " << kFuoriLimite << ": '" << amount << "'\n";
        m_sawOutOfRange = true;
        return;
    }
    m_out << (m_form == Form::Euro ? wordings->euro : wordings->lire) << '\n';
}

void writeEach(std::span<const std::string_view> amounts, AmountLines& lines) {
    for (const std::string_view amount : amounts) {
        lines.write(amount);
    }
}

void writeEachLine(std::istream& in, AmountLines& lines) {
    std::string line;
    while (std::getline(in, line)) {
        // Lines ended the DOS way keep no stray carriage return.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.write(line);
    }
}

} // namespace zifrano::cli
