// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "messages.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zifrano::cli {

/// Between the fields of a CSV file, unless the command line or the file says otherwise.
inline constexpr char kDefaultSeparator = ';';

struct Request {
    Currency currency = Currency::Euro;
    Notation notation = Notation::Plain;
    bool help = false;
    bool version = false;
    std::vector<std::string_view> amounts;     ///< none: read standard input
    std::optional<std::string_view> csvColumn; ///< --csv: the amount column's title or number
    std::optional<std::string_view> csvFile;   ///< with --csv: the table; none, standard input
    /// --separatore: between the fields of a CSV file; none, the file's "sep=" line or the default
    std::optional<char> separator;
    char quote = '"'; ///< --virgolette: around a CSV field that holds separators or line breaks
};

struct UsageError {
    std::string message;
};

/// Reads the command line (without the program name). Options may stand anywhere before "--";
/// everything after it is an amount, even when it starts with "-". "--csv", "--separatore" and
/// "--virgolette" take the argument that follows them.
std::variant<Request, UsageError> parseArguments(std::span<const char* const> arguments);

} // namespace zifrano::cli
