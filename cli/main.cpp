#include "tool.h"

#include <iostream>
#include <span>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    // Standard input is read line by line: flushing the output before each read would cost more
    // than the conversion itself.
    std::cin.tie(nullptr);
    return zifrano::cli::runTool(std::span(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
