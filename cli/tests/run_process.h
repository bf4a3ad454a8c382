#pragma once

#include <string>
#include <vector>

namespace zifrano::testing {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments`, feeding `input` on its standard input, and collects what it
// writes and how it ends.
ProcessResult runProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input);

} // namespace zifrano::testing
