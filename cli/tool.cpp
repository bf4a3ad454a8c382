// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "tool.h"

#include "amount_lines.h"
#include "arguments.h"
#include "csv_table.h"

#include "zifrano/zifrano_version.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

namespace zifrano::cli {
namespace {

constexpr const char* kUsage =
    R"(Uso: zifrano-lettere [--lire] [--migliaia] [--] [IMPORTO ...]
     zifrano-lettere --csv COLONNA [--separatore CARATTERE]
                     [--virgolette CARATTERE] [--migliaia] [--lire] [FILE]
Scrive ogni IMPORTO in lettere, come sugli assegni, uno per riga; senza IMPORTO
legge gli importi dallo standard input, uno per riga. Con --csv copia una
tabella CSV (il FILE, o lo standard input) aggiungendo a ogni riga l'importo
della COLONNA in lettere.

  --lire      scrive solo la parte intera in lettere (importi in lire)
  --migliaia  il punto separa le migliaia e la virgola i decimali (1.234,56)
  --csv COLONNA          la colonna degli importi: il titolo o il numero da 1
  --separatore CARATTERE il separatore dei campi CSV: se non indicato, quello
                         della riga sep=X in testa al file, o ; (\t per il
                         tabulatore)
  --virgolette CARATTERE le virgolette dei campi CSV: " se non indicato
  -h, --help  mostra questo aiuto ed esce
  --version   mostra la versione ed esce
  --          gli argomenti che seguono sono importi anche se iniziano con '-'

Come si legge un importo, le tabelle CSV e lo stato di uscita sono descritti
)"
// Where the manual is: man's page, or on Windows, which has no man, its text beside the program.
#ifdef _WIN32
    "nel manuale zifrano-lettere.txt, accanto a zifrano-lettere.exe\n";
#else
    "nella pagina di manuale: man zifrano-lettere\n";
#endif

// Why a file cannot be opened, as open() told it in errno.
std::string cannotOpen(std::string_view name, int error) {
    const std::string quoted = quoteForTerminal(name);
    switch (error) {
    case ENOENT:
        return "il file " + quoted + " non esiste";
    case EACCES:
    case EPERM:
        return "il file " + quoted + " non si può leggere: permesso negato";
    default:
        return "impossibile leggere il file " + quoted;
    }
}

int convertCsv(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
    if (!request.csvFile) {
        return wordCsvTable(request, in, out, err);
    }
    const std::string name(*request.csvFile);
    std::error_code ignored;
    if (std::filesystem::is_directory(name, ignored)) {
        err << kMessagePrefix << quoteForTerminal(name) << " è una cartella, non un file\n";
        return 1;
    }
    errno = 0;
    std::ifstream file{name, std::ios::binary};
    if (!file) {
        err << kMessagePrefix << cannotOpen(name, errno) << '\n';
        return 1;
    }
    try {
        return wordCsvTable(request, file, out, err);
    } catch (const std::ios_base::failure&) {
        out.flush();
        err << kMessagePrefix << "errore di lettura del file " << quoteForTerminal(name) << '\n';
        return 1;
    }
}

// Whether everything written reached the output; when not, says so.
bool outputWritten(std::ostream& out, std::ostream& err) {
    if (out.flush()) {
        return true;
    }
    err << kMessagePrefix << "errore di scrittura sullo standard output\n";
    return false;
}

// Words each amount asked for; output that could not be written makes the status 1.
int convert(const Request& request, std::istream& in, std::ostream& out, std::ostream& err) {
    int status = 0;
    if (request.csvColumn) {
        status = convertCsv(request, in, out, err);
    } else {
        AmountLines lines(request, out, err);
        if (request.amounts.empty()) {
            writeEachLine(in, out, err, lines);
        } else {
            writeEach(request.amounts, lines);
        }
        status = lines.sawRefusal() ? 1 : 0;
    }
    return outputWritten(out, err) ? status : 1;
}

int run(std::span<const char* const> arguments, std::istream& in, std::ostream& out,
        std::ostream& err) {
    const auto parsed = parseArguments(arguments);
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        err << kMessagePrefix << error->message << "\n"
            << "Usare 'zifrano-lettere --help' per le istruzioni.\n";
        return 2;
    }
    const auto& request = std::get<Request>(parsed);
    if (request.help) {
        out << kUsage;
    } else if (request.version) {
        out << "zifrano-lettere " << ZIFRANO_VERSION_TEXT << "\n";
    } else {
        return convert(request, in, out, err);
    }
    return outputWritten(out, err) ? 0 : 1;
}

} // namespace

int runTool(std::span<const char* const> arguments, std::istream& in, std::ostream& out,
            std::ostream& err) {
    int status = 1;
    try {
        status = run(arguments, in, out, err);
    } catch (const std::ios_base::failure&) {
        // The stream buffer of standard input throws when the input cannot be read.
        out.flush();
        err << kMessagePrefix << "errore di lettura dello standard input\n";
    } catch (const std::exception& error) {
        out.flush();
        err << kMessagePrefix << error.what() << '\n';
    }
    err.flush();
    return status;
}

} // namespace zifrano::cli
