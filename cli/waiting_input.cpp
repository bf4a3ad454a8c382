#include "waiting_input.h"

#include <algorithm>
#include <utility>

namespace zifrano::cli {

WaitingInput::WaitingInput(std::streambuf& in, std::function<void()> beforeWaiting)
    : m_in(in)
    , m_beforeWaiting(std::move(beforeWaiting)) {}

std::string_view WaitingInput::takeWaiting(std::size_t kept) {
    std::streamsize waiting = m_in.in_avail();
    if (waiting == 0) {
        m_beforeWaiting();
        waiting = 1; // whatever arrives with that byte is then waiting too
    }
    const auto room = static_cast<std::streamsize>(m_piece.size() - kept);
    const std::streamsize size =
        waiting < 0 ? 0 : m_in.sgetn(m_piece.data() + kept, std::min(waiting, room));
    return {m_piece.data(), kept + static_cast<std::size_t>(size)};
}

std::string_view WaitingInput::take() {
    std::string_view piece = takeWaiting(0);
    if (!std::exchange(m_atStart, false)) {
        return piece;
    }
    // Waiting for a single byte gives the first byte alone when the writer is slower than we are:
    // the rest of a mark is waited for before it is looked for.
    while (!piece.empty() && piece.size() < kByteOrderMark.size() &&
           kByteOrderMark.starts_with(piece)) {
        const std::size_t before = piece.size();
        if ((piece = takeWaiting(before)).size() == before) {
            break; // the input ended inside the mark
        }
    }
    if (piece.starts_with(kByteOrderMark)) {
        m_hadByteOrderMark = true;
        piece.remove_prefix(kByteOrderMark.size());
        if (piece.empty()) {
            piece = takeWaiting(0); // the mark came alone
        }
    }
    return piece;
}

} // namespace zifrano::cli
