// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "waiting_input.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace zifrano::cli {
namespace {

using namespace std::string_view_literals;

struct Mark {
    std::string_view bytes;
    std::optional<Encoding> encoding; // none: one the tool cannot read
    const char* name;
};

// UTF-32's marks first: the little-endian one begins as UTF-16's does.
constexpr std::array kMarks = {
    Mark{"\xff\xfe\0\0"sv, std::nullopt, "UTF-32LE"},
    Mark{"\0\0\xfe\xff"sv, std::nullopt, "UTF-32BE"},
    Mark{kByteOrderMark, Encoding::Utf8, "UTF-8"},
    Mark{"\xff\xfe"sv, Encoding::Utf16LittleEndian, "UTF-16LE"},
    Mark{"\xfe\xff"sv, Encoding::Utf16BigEndian, "UTF-16BE"},
};

// Whether the first bytes could still turn out to be a mark, or wide text without one.
bool tellsTooLittle(std::string_view start) {
    const bool beginsAMark = std::any_of(kMarks.begin(), kMarks.end(), [start](const Mark& mark) {
        return mark.bytes.size() > start.size() && mark.bytes.starts_with(start);
    });
    return beginsAMark || start.size() < 2 || (start.size() < 4 && start.find('\0') != start.npos);
}

// A NUL in every other byte, or three in four, is UTF-16 or UTF-32 written without a mark.
const char* unmarkedWideText(std::string_view start) {
    const auto nul = [start](std::size_t i) { return start[i] == '\0'; };
    if (start.size() >= 4 && !nul(0) && nul(1) && nul(2) && nul(3)) {
        return "UTF-32LE";
    }
    if (start.size() >= 4 && nul(0) && nul(1) && nul(2) && !nul(3)) {
        return "UTF-32BE";
    }
    if (start.size() >= 2 && nul(0) != nul(1)) {
        return nul(1) ? "UTF-16LE" : "UTF-16BE";
    }
    return nullptr;
}

} // namespace

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

Encoding WaitingInput::encoding() {
    if (m_encoding) {
        return *m_encoding;
    }
    std::string_view piece = takeWaiting(0);
    // Waiting for a single byte gives the first byte alone when the writer is slower than we are:
    // the rest of a mark, or the bytes that show wide text, are waited for before they are
    // looked for.
    while (!piece.empty() && tellsTooLittle(piece)) {
        const std::size_t before = piece.size();
        if ((piece = takeWaiting(before)).size() == before) {
            break; // the input ended inside the mark
        }
    }
    m_encoding = Encoding::Utf8;
    const auto mark = std::find_if(kMarks.begin(), kMarks.end(),
                                   [piece](const Mark& m) { return piece.starts_with(m.bytes); });
    const char* unreadable = mark == kMarks.end() ? unmarkedWideText(piece)
                             : mark->encoding     ? nullptr
                                                  : mark->name;
    if (unreadable) {
        throw std::runtime_error(std::string("il testo è in ") + unreadable +
                                 (mark == kMarks.end() ? " senza BOM" : "") +
                                 ": salvarlo in UTF-8, o in UTF-16 con BOM");
    }
    if (mark != kMarks.end()) {
        m_hadByteOrderMark = true;
        m_encoding = mark->encoding;
        piece.remove_prefix(mark->bytes.size());
    }
    if (*m_encoding != Encoding::Utf8) {
        m_decoder.emplace(*m_encoding);
    }
    m_start = piece;
    return *m_encoding;
}

std::string_view WaitingInput::takeBytes() {
    encoding();
    if (m_start) {
        const std::string_view start = *std::exchange(m_start, std::nullopt);
        if (!start.empty()) {
            return start;
        }
    }
    return takeWaiting(0);
}

std::string_view WaitingInput::take() {
    if (!m_decoder) {
        return takeBytes();
    }
    m_decoded.clear();
    // A piece of one byte is half a character: decoded, it is nothing yet.
    while (m_decoded.empty()) {
        const std::string_view bytes = takeBytes();
        if (bytes.empty()) {
            m_lostHalfCharacter = !m_decoder->finish(m_decoded);
            break;
        }
        m_decoder->decode(bytes, m_decoded);
    }
    return m_decoded;
}

} // namespace zifrano::cli
