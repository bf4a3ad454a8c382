#include "tool.h"

#include "amount_lines.h"
#include "arguments.h"

#include <istream>
#include <ostream>

namespace zifrano::cli {
namespace {

constexpr const char* kUsage =
    R"(Uso: zifrano-lettere [--lire] [--] [IMPORTO ...]
Scrive ogni IMPORTO in lettere, come sugli assegni, uno per riga.
Senza IMPORTO legge gli importi dallo standard input, uno per riga.

  --lire      scrive solo la parte intera in lettere (importi in lire)
  --help      mostra questo aiuto ed esce
  --version   mostra la versione ed esce
  --          gli argomenti che seguono sono importi anche se iniziano con '-'

La virgola vale come punto decimale: 12,5 e 12.5 sono lo stesso importo.
Un importo negativo o troppo grande lascia una riga vuota e viene segnalato
sullo standard error.

Stato di uscita: 0 se ogni importo è stato scritto, 1 se un importo era fuori
limite o l'uscita non è stata scritta, 2 se il comando è usato in modo errato.
)";

int convert(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
    AmountLines lines(request.form, out, err);
    if (request.amounts.empty()) {
        writeEachLine(in, lines);
    } else {
        writeEach(request.amounts, lines);
    }
    if (!out.flush()) {
        err << "zifrano-lettere: errore di scrittura sullo standard output\n";
        return 1;
    }
    return lines.sawOutOfRange() ? 1 : 0;
}

} // namespace

int runTool(std::span<const char* const> arguments, std::istream& in, std::ostream& out,
            std::ostream& err) {
    const auto parsed = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << "zifrano-lettere: " << error->message << "\n"
            << "Usare 'zifrano-lettere --help' per le istruzioni.\n";
        return 2;
    }
    const auto& request = std::get<Request>(parsed);
    if (request.help) {
        out << kUsage;
    } else if (request.version) {
        out << "zifrano-lettere " << ZIFRANO_VERSION << "\n";
    } else {
        return convert(request, in, out, err);
    }
    return out.flush() ? 0 : 1;
}

} // namespace zifrano::cli
