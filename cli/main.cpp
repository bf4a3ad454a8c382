#include "amount_lines.h"
#include "arguments.h"

#include <iostream>
#include <span>

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

int convert(const zifrano::cli::Request& request) {
    zifrano::cli::AmountLines lines(request.form, std::cout, std::cerr);
    if (request.amounts.empty()) {
        zifrano::cli::writeEachLine(std::cin, lines);
    } else {
        zifrano::cli::writeEach(request.amounts, lines);
    }
    if (!std::cout.flush()) {
        std::cerr << "zifrano-lettere: errore di scrittura sullo standard output\n";
        return 1;
    }
    return lines.sawOutOfRange() ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    // Standard input is read line by line: flushing the output before each read would cost more
    // than the conversion itself.
    std::cin.tie(nullptr);
    const auto parsed = zifrano::cli::parseArguments(std::span(argv + 1, argv + argc));
    if (const auto* error = std::get_if<zifrano::cli::UsageError>(&parsed)) {
        std::cerr << "zifrano-lettere: " << error->message << "\n"
                  << "Usare 'zifrano-lettere --help' per le istruzioni.\n";
        return 2;
    }
    const auto& request = std::get<zifrano::cli::Request>(parsed);
    if (request.help) {
        std::cout << kUsage;
        return 0;
    }
    if (request.version) {
        std::cout << "zifrano-lettere " << ZIFRANO_VERSION << "\n";
        return 0;
    }
    return convert(request);
}
