#pragma once

#include <span>

namespace zifrano::cli {

/// Readies the standard streams of zifrano-lettere on Windows for as long as it lives.
///
/// Input is read untranslated: the readers take CRLF themselves, and a Ctrl+Z byte in a file is
/// not its end. Lines, messages and help go out through Windows' text translation, with the CRLF
/// line ends of a Windows program, but a table's copy goes out untranslated, so that its rows
/// keep the line ends they came with. A console shows the UTF-8 output as UTF-8, and gets its
/// own code page back at the end.
class WindowsStreams {
public:
    /// `arguments` is the command line without the program name.
    explicit WindowsStreams(std::span<const char* const> arguments);
    ~WindowsStreams();

    WindowsStreams(const WindowsStreams&) = delete;
    WindowsStreams& operator=(const WindowsStreams&) = delete;

private:
    unsigned m_consoleCodePage; // 0 without a console
};

} // namespace zifrano::cli
