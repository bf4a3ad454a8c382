#include "tool.h"

#include <iostream>
#include <span>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    // The tool flushes its output itself, whenever no more input is waiting: flushing before
    // each read, or after each message, would cost more than the conversion.
    std::cin.tie(nullptr);
    std::cerr.tie(nullptr);
    std::cerr.unsetf(std::ios::unitbuf);
    return zifrano::cli::runTool(std::span(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
