#include "line_reader.h"

#include <string_view>
#include <utility>

namespace zifrano::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xef\xbb\xbf";

bool isLeadingZero(const std::string& text) {
    return text == "0" || text == "+0" || text == "-0";
}

} // namespace

LineReader::LineReader(std::streambuf& in, std::function<void()> beforeWaiting)
    : m_in(in)
    , m_beforeWaiting(std::move(beforeWaiting)) {}

int LineReader::take() {
    if (m_in.in_avail() == 0) {
        m_beforeWaiting();
    }
    return m_in.sbumpc();
}

void LineReader::keep(char c, Line& line) const {
    if (line.preview.size() < kPreviewSize) {
        line.preview += c;
    }
    if (c == ' ' || c == '\t' || line.tooLong || (c == '0' && isLeadingZero(line.text))) {
        return;
    }
    if (line.text.size() == kLongestText) {
        line.tooLong = true;
        line.text.clear();
        return;
    }
    line.text += c;
}

std::optional<Line> LineReader::next() {
    Line line;
    for (int c = take(); c != std::streambuf::traits_type::eof(); c = take()) {
        const bool afterCarriageReturn = std::exchange(m_afterCarriageReturn, false);
        if (c == '\n' && afterCarriageReturn) {
            continue; // the rest of a CRLF
        }
        if (c == '\n' || c == '\r') {
            m_afterCarriageReturn = c == '\r';
            m_atStart = false;
            return line;
        }
        keep(static_cast<char>(c), line);
        if (m_atStart && line.preview == kByteOrderMark) {
            line = Line{};
        }
        m_atStart = m_atStart && line.preview.size() < kByteOrderMark.size();
    }
    // A last line without a line end still counts.
    if (line.preview.empty()) {
        return std::nullopt;
    }
    return line;
}

} // namespace zifrano::cli
