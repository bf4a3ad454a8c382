// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to zifrano-lettere and checks what must hold for any input. In the line
// loop: nothing is thrown; one output line for each input line; each output line is a wording or
// empty, and each empty one has exactly one message. An input that begins with a byte from 1 to 4
// is a CSV table instead, with the separator that byte picks: as many rows go out as came in, or
// nothing at all with a failure. No message ever holds a control character. Text in UTF-16 is
// answered in UTF-16, its mark first, or not at all.
#include "tool.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void checkMessages(std::string_view messages) {
    check(std::none_of(messages.begin(), messages.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f;
    }));
}

// Whether the line end at `i` is a pair, CR LF or LF CR.
bool pairAt(std::string_view text, std::size_t i) {
    return i + 1 < text.size() && (text[i + 1] == '\n' || text[i + 1] == '\r') &&
           text[i + 1] != text[i];
}

// Whether `input` is UTF-16 (checked apart) or wide text that the tool refuses.
bool wide(std::string_view input, std::string_view out, std::string_view err, int status) {
    if (err.starts_with("zifrano-lettere: il testo è in UTF-")) {
        check(out.empty() && status == 1);
        return true;
    }
    if (input.starts_with("\xff\xfe") || input.starts_with("\xfe\xff")) {
        check(out.empty() || (out.starts_with(input.substr(0, 2)) && out.size() % 2 == 0));
        return true;
    }
    return false;
}

// Lines as the tool counts them: LF, CR, CR LF and LF CR each end one, a last one may have no end.
std::size_t countLines(std::string_view input) {
    if (input.starts_with("\xef\xbb\xbf")) {
        input.remove_prefix(3);
    }
    std::size_t lines = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\n' || input[i] == '\r') {
            ++lines;
            i += pairAt(input, i);
        } else if (i + 1 == input.size()) {
            ++lines;
        }
    }
    return lines;
}

// Rows as spreadsheets count them: a quote opens a quoted field at the start of a field, blanks
// before it aside, and a doubled quote inside it is a quote. Nothing when a quote is left open.
std::optional<std::size_t> countRows(std::string_view table, char separator) {
    if (table.starts_with("\xef\xbb\xbf")) {
        table.remove_prefix(3);
    }
    std::size_t rows = 0;
    bool quoted = false, fieldStart = true, rowHasBytes = false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const char c = table[i];
        const bool doubled = i + 1 < table.size() && table[i + 1] == '"';
        if (quoted) {
            quoted = c != '"' || doubled;
            i += c == '"' && doubled;
        } else if (c == '\n' || c == '\r') {
            ++rows;
            i += pairAt(table, i);
            fieldStart = true;
            rowHasBytes = false;
        } else {
            rowHasBytes = true;
            quoted = fieldStart && c == '"';
            fieldStart = c == separator || (fieldStart && c == ' ');
        }
    }
    return quoted ? std::nullopt : std::optional(rows + rowHasBytes);
}

void checkTable(std::string_view input, char separator) {
    std::istringstream in{std::string(input)};
    std::ostringstream out, err;
    const std::string separatorName = separator == '\t' ? "\\t" : std::string(1, separator);
    const int status = zifrano::cli::runTool(
        std::vector{"--csv", "1", "--separatore", separatorName.c_str()}, in, out, err);
    if (wide(input, out.str(), err.str(), status)) {
        return;
    }
    const std::optional<std::size_t> rowsIn = countRows(input, separator);
    if (out.str().empty()) {
        check(status != 0 && !err.str().empty());
    } else if (rowsIn) {
        check(countRows(out.str(), separator) == rowsIn);
    } else {
        check(status == 1 && err.str().find("virgolette aperte") != std::string::npos);
    }
    checkMessages(err.str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] >= 1 && data[0] <= 4) {
        checkTable(std::string_view(input).substr(1), ";,\t "[data[0] - 1]);
        return 0;
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = zifrano::cli::runTool({}, in, out, err);
    const std::string written = out.str();
    const std::string messages = err.str();
    if (wide(input, written, messages, status)) {
        return 0;
    }
    const auto outLines =
        static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n'));
    check(outLines == countLines(input));
    check(written.empty() || written.back() == '\n');
    std::size_t empty = 0;
    for (std::size_t start = 0, end = written.find('\n'); end != std::string::npos;
         start = end + 1, end = written.find('\n', start)) {
        empty += end == start;
    }
    check(static_cast<std::size_t>(std::count(messages.begin(), messages.end(), '\n')) == empty);
    check(status == (empty > 0 ? 1 : 0));
    checkMessages(messages);
    return 0;
}
