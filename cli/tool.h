// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <iosfwd>
#include <span>

namespace zifrano::cli {

/// Runs zifrano-lettere with `arguments` (without the program name), reading amounts from `in`
/// when none are given. Returns the exit status: 0 when every amount was written, 1 when one was
/// out of range or the output could not be written, 2 for a usage error.
int runTool(std::span<const char* const> arguments, std::istream& in, std::ostream& out,
            std::ostream& err);

} // namespace zifrano::cli
