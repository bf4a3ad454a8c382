#include "windows_streams.h"

#include "arguments.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <variant>

namespace zifrano::cli {
namespace {

bool copiesATable(std::span<const char* const> arguments) {
    const auto parsed = parseArguments(arguments);
    const auto* request = std::get_if<Request>(&parsed);
    return request && request->csvColumn;
}

} // namespace

WindowsStreams::WindowsStreams(std::span<const char* const> arguments)
    : m_consoleCodePage(GetConsoleOutputCP()) {
    _setmode(_fileno(stdin), _O_BINARY);
    if (copiesATable(arguments)) {
        _setmode(_fileno(stdout), _O_BINARY);
    }
    if (m_consoleCodePage != 0) {
        SetConsoleOutputCP(CP_UTF8);
    }
}

WindowsStreams::~WindowsStreams() {
    if (m_consoleCodePage != 0) {
        SetConsoleOutputCP(m_consoleCodePage);
    }
}

} // namespace zifrano::cli
