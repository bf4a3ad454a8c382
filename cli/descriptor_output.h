// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace zifrano::cli {

/// Standard output written in pieces as large as cat writes them (128 KiB), in place of the
/// standard library's 8 KiB: the system calls of those small pieces cost as much as the wording
/// of a table. A write that fails makes the stream fail. It stands in for the stream's own
/// buffer for its lifetime, and flushes before giving the stream back.
class DescriptorOutput : public std::streambuf {
public:
    DescriptorOutput(std::ostream& stream, int descriptor);
    ~DescriptorOutput() override;

    DescriptorOutput(const DescriptorOutput&) = delete;
    DescriptorOutput& operator=(const DescriptorOutput&) = delete;

private:
    int_type overflow(int_type c) override;
    int sync() override;
    bool writeOut();

    std::ostream& m_stream;
    std::streambuf* m_original;
    int m_descriptor;
    std::array<char, 128 * 1024> m_buffer;
};

} // namespace zifrano::cli
