// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "arguments.h"

namespace zifrano::cli {
namespace {

// Applies an option that stands alone; false when it is not one of ours.
bool applyFlag(std::string_view option, Request& request) {
    if (option == "--lire") {
        request.currency = Currency::Lire;
    } else if (option == "--migliaia") {
        request.notation = Notation::ItalianThousands;
    } else if (option == "--help" || option == "-h") {
        request.help = true;
    } else if (option == "--version") {
        request.version = true;
    } else {
        return false;
    }
    return true;
}

// The separator or the quote a user names: one ASCII character, or "\t" for a tab; never a line
// break, which ends rows.
std::variant<char, UsageError> characterNamed(std::string_view option, std::string_view name) {
    if (name == "\\t") {
        return '\t';
    }
    if (name.size() != 1 || static_cast<unsigned char>(name.front()) >= 0x80) {
        return UsageError{"il valore di " + std::string(option) +
                          " è un solo carattere ASCII, come ; o , (\\t per il tabulatore): " +
                          quoteForTerminal(name)};
    }
    if (name == "\r" || name == "\n") {
        return UsageError{"il valore di " + std::string(option) + " non può essere un a capo"};
    }
    return name.front();
}

UsageError unknownOption(std::string_view option) {
    std::string message = "opzione non riconosciuta: " + quoteForTerminal(option);
    if (option.size() > 1 &&
        std::string_view("0123456789.,").find(option[1]) != std::string::npos) {
        message += " (per un importo negativo usare '--' prima)";
    } else if (option.starts_with("--csv=") || option.starts_with("--separatore=") ||
               option.starts_with("--virgolette=")) {
        message += " (il valore va dopo uno spazio)";
    }
    return UsageError{message};
}

// With --csv, what stands beside the options is the table's file, if anything.
std::optional<UsageError> checkCsv(Request& request, bool quoteGiven) {
    if (!request.csvColumn) {
        if (request.separator || quoteGiven) {
            return UsageError{std::string(request.separator ? "--separatore" : "--virgolette") +
                              " vale solo con --csv"};
        }
        return std::nullopt;
    }
    if (request.separator.value_or(kDefaultSeparator) == request.quote) {
        return UsageError{"il separatore e le virgolette devono essere caratteri diversi"};
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
    bool quoteGiven = false;
    for (auto at = arguments.begin(); at != arguments.end(); ++at) {
        const std::string_view argument = *at;
        const bool takesCharacter = argument == "--separatore" || argument == "--virgolette";
        if (onlyAmounts || argument.size() < 2 || argument.front() != '-') {
            request.amounts.push_back(argument);
        } else if (argument == "--") {
            onlyAmounts = true;
        } else if ((takesCharacter || argument == "--csv") && std::next(at) == arguments.end()) {
            return UsageError{"manca il valore di " + std::string(argument)};
        } else if (argument == "--csv") {
            if (request.csvColumn) {
                return UsageError{"--csv indicato più di una volta"};
            }
            request.csvColumn = *++at;
        } else if (takesCharacter) {
            const auto named = characterNamed(argument, *++at);
            if (const auto* error = std::get_if<UsageError>(&named)) {
                return *error;
            }
            if (argument == "--separatore") {
                request.separator = std::get<char>(named);
            } else {
                request.quote = std::get<char>(named);
                quoteGiven = true;
            }
        } else if (!applyFlag(argument, request)) {
            return unknownOption(argument);
        }
    }
    if (auto error = checkCsv(request, quoteGiven)) {
        return *error;
    }
    return request;
}

} // namespace zifrano::cli
