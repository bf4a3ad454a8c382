#include "waiting_input.h"

#include <algorithm>
#include <utility>

namespace zifrano::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

} // namespace

WaitingInput::WaitingInput(std::streambuf& in, std::function<void()> beforeWaiting)
    : m_in(in)
    , m_beforeWaiting(std::move(beforeWaiting)) {}

std::string_view WaitingInput::takeWaiting() {
    std::streamsize waiting = m_in.in_avail();
    if (waiting == 0) {
        m_beforeWaiting();
        waiting = 1; // whatever arrives with that byte is then waiting too
    }
    const auto room = static_cast<std::streamsize>(m_piece.size());
    const std::streamsize size =
        waiting < 0 ? 0 : m_in.sgetn(m_piece.data(), std::min(waiting, room));
    return {m_piece.data(), static_cast<std::size_t>(size)};
}

std::string_view WaitingInput::take() {
    std::string_view piece = takeWaiting();
    if (std::exchange(m_atStart, false) && piece.starts_with(kByteOrderMark)) {
        m_hadByteOrderMark = true;
        piece.remove_prefix(kByteOrderMark.size());
        if (piece.empty()) {
            piece = takeWaiting(); // the mark came alone
        }
    }
    return piece;
}

} // namespace zifrano::cli
