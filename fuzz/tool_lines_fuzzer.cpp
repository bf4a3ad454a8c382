// Feeds arbitrary bytes to zifrano-lettere's line loop and checks what must hold for any input:
// nothing is thrown; one output line for each input line; each output line is a wording or
// empty, and each empty one has exactly one message; and no message holds a control character.
#include "tool.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Lines as the tool counts them: LF, CRLF and a lone CR each end one, a last one may have no end.
std::size_t countLines(std::string_view input) {
    if (input.starts_with("\xef\xbb\xbf")) {
        input.remove_prefix(3);
    }
    std::size_t lines = 0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        if (input[i] == '\n' || input[i] == '\r') {
            ++lines;
            i += input[i] == '\r' && i + 1 < input.size() && input[i + 1] == '\n';
        } else if (i + 1 == input.size()) {
            ++lines;
        }
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = zifrano::cli::runTool({}, in, out, err);
    const std::string written = out.str();
    const std::string messages = err.str();
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
    check(std::none_of(messages.begin(), messages.end(), [](char c) {
        return (static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7f;
    }));
    return 0;
}
