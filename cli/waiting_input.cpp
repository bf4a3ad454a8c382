#include "waiting_input.h"

#include <algorithm>

namespace zifrano::cli {

std::size_t takeWaiting(std::streambuf& in, std::span<char> buffer,
                        const std::function<void()>& beforeWaiting) {
    std::streamsize waiting = in.in_avail();
    if (waiting == 0) {
        beforeWaiting();
        waiting = 1; // whatever arrives with that byte is then waiting too
    }
    if (waiting < 0) {
        return 0;
    }
    const auto room = static_cast<std::streamsize>(buffer.size());
    return static_cast<std::size_t>(in.sgetn(buffer.data(), std::min(waiting, room)));
}

} // namespace zifrano::cli
