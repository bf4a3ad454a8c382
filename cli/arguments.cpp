#include "arguments.h"

namespace zifrano::cli {
namespace {

// Applies an option that stands alone; false when it is not one of ours.
bool applyFlag(std::string_view option, Request& request) {
    if (option == "--lire") {
        request.form = Form::Lire;
    } else if (option == "--migliaia") {
        request.figures = Figures::ItalianThousands;
    } else if (option == "--help" || option == "-h") {
        request.help = true;
    } else if (option == "--version") {
        request.version = true;
    } else {
        return false;
    }
    return true;
}

// The separator a user names: one ASCII character, or "\t" for a tab; never one that CSV gives
// another meaning.
std::variant<char, UsageError> separatorNamed(std::string_view name) {
    if (name == "\\t") {
        return '\t';
    }
    if (name.size() != 1 || static_cast<unsigned char>(name.front()) >= 0x80) {
        return UsageError{"il separatore è un solo carattere ASCII, come ; o , (\\t per il "
                          "tabulatore): " +
                          quoteForTerminal(name)};
    }
    if (name == "\"" || name == "\r" || name == "\n") {
        return UsageError{"il separatore non può essere le virgolette né un a capo"};
    }
    return name.front();
}

UsageError unknownOption(std::string_view option) {
    std::string message = "opzione non riconosciuta: " + quoteForTerminal(option);
    if (option.size() > 1 &&
        std::string_view("0123456789.,").find(option[1]) != std::string::npos) {
        message += " (per un importo negativo usare '--' prima)";
    } else if (option.starts_with("--csv=") || option.starts_with("--separatore=")) {
        message += " (il valore va dopo uno spazio)";
    }
    return UsageError{message};
}

// With --csv, what stands beside the options is the table's file, if anything.
std::optional<UsageError> checkCsv(Request& request, bool separatorGiven) {
    if (!request.csvColumn) {
        return separatorGiven ? std::optional(UsageError{"--separatore vale solo con --csv"})
                              : std::nullopt;
    }
    if (request.amounts.size() > 1) {
        return UsageError{"con --csv si legge al più un file"};
    }
    // "-" names standard input, as it does for most tools.
    if (!request.amounts.empty() && request.amounts.front() != "-") {
        request.csvFile = request.amounts.front();
    }
    request.amounts.clear();
    return std::nullopt;
}

} // namespace

std::variant<Request, UsageError> parseArguments(std::span<const char* const> arguments) {
    Request request;
    bool onlyAmounts = false;
    bool separatorGiven = false;
    for (auto at = arguments.begin(); at != arguments.end(); ++at) {
        const std::string_view argument = *at;
        const bool takesValue = argument == "--csv" || argument == "--separatore";
        if (onlyAmounts || argument.size() < 2 || argument.front() != '-') {
            request.amounts.push_back(argument);
        } else if (argument == "--") {
            onlyAmounts = true;
        } else if (takesValue && std::next(at) == arguments.end()) {
            return UsageError{"manca il valore di " + std::string(argument)};
        } else if (argument == "--csv") {
            if (request.csvColumn) {
                return UsageError{"--csv indicato più di una volta"};
            }
            request.csvColumn = *++at;
        } else if (argument == "--separatore") {
            const auto separator = separatorNamed(*++at);
            if (const auto* error = std::get_if<UsageError>(&separator)) {
                return *error;
            }
            request.separator = std::get<char>(separator);
            separatorGiven = true;
        } else if (!applyFlag(argument, request)) {
            return unknownOption(argument);
        }
    }
    if (auto error = checkCsv(request, separatorGiven)) {
        return *error;
    }
    return request;
}

} // namespace zifrano::cli
