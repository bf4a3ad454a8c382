// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// Runs a console program in a new console and writes what that console then shows to a file:
// the text of its screen buffer in UTF-8, one line for each row up to the last one written.
// scripts/check-windows.sh reads zifrano-lettere.exe's console output with it, as a user sees
// it rather than as the bytes the program wrote.
//   console-screen.exe [--hold] SCREEN_FILE COMMAND_LINE
// Its status is the program's. With --hold it keeps the console open, for a screenshot, until
// SCREEN_FILE is removed.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

int failure(const char* what) {
    std::fprintf(stderr, "console-screen: %s (error %lu)\n", what, GetLastError());
    return 125;
}

std::string utf8(std::wstring_view text) {
    const int size = static_cast<int>(text.size());
    std::string bytes(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                        nullptr, nullptr);
    return bytes;
}

// The rows of the screen buffer, without the blanks that fill each out, up to the cursor's.
std::string screenText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(screen, &info);
    std::string text;
    std::wstring row(static_cast<std::size_t>(info.dwSize.X), L' ');
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen, row.data(), info.dwSize.X, COORD{0, y}, &read);
        const std::wstring_view shown(row.data(), read);
        text += utf8(shown.substr(0, shown.find_last_not_of(L' ') + 1)) + '\n';
    }
    return text.substr(0, text.find_last_not_of('\n') + 1) + '\n';
}

} // namespace

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const bool hold = count > 1 && std::wstring_view(arguments[1]) == L"--hold";
    if (count != 3 + hold) {
        std::fprintf(stderr, "usage: console-screen.exe [--hold] SCREEN_FILE COMMAND_LINE\n");
        return 125;
    }
    const std::wstring file = arguments[1 + hold];
    std::wstring command = arguments[2 + hold];

    FreeConsole();
    if (!AllocConsole()) {
        return failure("no console");
    }
    SetConsoleTitleW(L"console-screen");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    const HANDLE screen =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherited, OPEN_EXISTING, 0, nullptr);
    const HANDLE keyboard =
        CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    &inherited, OPEN_EXISTING, 0, nullptr);
    // Wide enough that no line of 80 columns wraps, tall enough that none scrolls away.
    SetConsoleScreenBufferSize(screen, COORD{100, 300});
    const SMALL_RECT window{0, 0, 99, 47};
    SetConsoleWindowInfo(screen, TRUE, &window);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = keyboard;
    startup.hStdOutput = screen;
    startup.hStdError = screen;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return failure("the program did not start");
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 125;
    GetExitCodeProcess(process.hProcess, &status);

    // Written whole under another name first: the file appears complete.
    const std::string text = screenText(screen);
    const std::wstring part = file + L".part";
    const HANDLE out =
        CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (out == INVALID_HANDLE_VALUE ||
        !WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        !CloseHandle(out) || !MoveFileExW(part.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return failure("the screen could not be written");
    }
    while (hold && GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
        Sleep(50);
    }
    return static_cast<int>(status);
}
