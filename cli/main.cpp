// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "tool.h"

#ifdef _WIN32
#include "windows_streams.h"
#else
#include "descriptor_output.h"
#endif

#include <iostream>
#include <span>

int main(int argc, char* argv[]) {
    const std::span<const char* const> arguments(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    const zifrano::cli::WindowsStreams streams(arguments);
#else
    const zifrano::cli::DescriptorOutput output(std::cout, 1);
#endif
    // The tool flushes its output itself, whenever no more input is waiting: flushing before
    // each read, or after each message, would cost more than the conversion.
    std::cin.tie(nullptr);
    std::cerr.tie(nullptr);
    std::cerr.unsetf(std::ios::unitbuf);
    return zifrano::cli::runTool(arguments, std::cin, std::cout, std::cerr);
}
