#include "arguments.h"

namespace zifrano::cli {
namespace {

// Applies one option to the request; false when it is not an option of ours.
bool applyOption(std::string_view option, Request& request) {
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

} // namespace

std::variant<Request, UsageError> parseArguments(std::span<const char* const> arguments) {
    Request request;
    bool onlyAmounts = false;
    for (const std::string_view argument : arguments) {
        if (onlyAmounts || argument.size() < 2 || argument.front() != '-') {
            request.amounts.push_back(argument);
        } else if (argument == "--") {
            onlyAmounts = true;
        } else if (!applyOption(argument, request)) {
            return UsageError{"opzione non riconosciuta: '" + std::string(argument) +
                              "' (per un importo negativo usare '--' prima)"};
        }
    }
    return request;
}

} // namespace zifrano::cli
