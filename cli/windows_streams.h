// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include "console_buffer.h"

#include <memory>
#include <ostream>
#include <span>
#include <vector>

namespace zifrano::cli {

/// Readies the standard streams of zifrano-lettere on Windows for as long as it lives. To be
/// made after std::ios::sync_with_stdio(false), which puts in stream buffers of its own.
///
/// Input is read untranslated: the readers take CRLF themselves, and a Ctrl+Z byte in a file is
/// not its end. Lines, messages and help go out through Windows' text translation, with the CRLF
/// line ends of a Windows program, but a table's copy goes out untranslated, so that its rows
/// keep the line ends they came with. Standard output and standard error on a console are shown
/// in UTF-16, whatever the console's code page; files and pipes get the UTF-8 bytes.
class WindowsStreams {
public:
    /// `arguments` is the command line without the program name.
    explicit WindowsStreams(std::span<const char* const> arguments);
    ~WindowsStreams();

    WindowsStreams(const WindowsStreams&) = delete;
    WindowsStreams& operator=(const WindowsStreams&) = delete;

private:
    // A stream on a console, and the buffer that its console buffer stands in for.
    struct OnConsole {
        std::ostream* stream;
        std::streambuf* own;
        std::unique_ptr<ConsoleBuffer> buffer;
    };

    std::vector<OnConsole> m_consoles;
};

} // namespace zifrano::cli
