// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "windows_streams.h"

#include "arguments.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

namespace zifrano::cli {
namespace {

bool copiesATable(std::span<const char* const> arguments) {
    const auto parsed = parseArguments(arguments);
    const auto* request = std::get_if<Request>(&parsed);
    return request && request->csvColumn;
}

// Shows UTF-8 on a console in UTF-16: bytes written to a console are read in its code page,
// which only some consoles let a program set to UTF-8.
bool writeToConsole(HANDLE console, std::string_view utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring text(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), static_cast<int>(text.size()));
    for (std::wstring_view rest = text; !rest.empty();) {
        DWORD written = 0;
        if (!WriteConsoleW(console, rest.data(), static_cast<DWORD>(rest.size()), &written,
                           nullptr) ||
            written == 0) {
            return false;
        }
        rest.remove_prefix(written);
    }
    return true;
}

} // namespace

WindowsStreams::WindowsStreams(std::span<const char* const> arguments) {
    _setmode(_fileno(stdin), _O_BINARY);
    if (copiesATable(arguments)) {
        _setmode(_fileno(stdout), _O_BINARY);
    }
    for (const auto& [stream, which] :
         {std::pair{&std::cout, STD_OUTPUT_HANDLE}, std::pair{&std::cerr, STD_ERROR_HANDLE}}) {
        const HANDLE handle = GetStdHandle(which);
        DWORD mode = 0;
        if (GetConsoleMode(handle, &mode)) {
            auto buffer = std::make_unique<ConsoleBuffer>(
                [handle](std::string_view text) { return writeToConsole(handle, text); });
            std::streambuf* own = stream->rdbuf(buffer.get());
            m_consoles.push_back({stream, own, std::move(buffer)});
        }
    }
}

WindowsStreams::~WindowsStreams() {
    for (auto& console : m_consoles) {
        console.stream->flush();
        console.stream->rdbuf(console.own);
    }
}

} // namespace zifrano::cli
