#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <streambuf>

namespace zifrano::cli {

/// Takes into `buffer` what `in` already holds, so that taking it never blocks. When nothing is
/// waiting, `beforeWaiting` runs first (to send out the answers pending), then one byte is waited
/// for. Returns how many bytes were taken: 0 at the end of the input. A read error is thrown as
/// the stream buffer throws it.
std::size_t takeWaiting(std::streambuf& in, std::span<char> buffer,
                        const std::function<void()>& beforeWaiting);

} // namespace zifrano::cli
