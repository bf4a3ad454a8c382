// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "encodings.h"

#include <array>
#include <memory>
#include <utility>

namespace zifrano::cli {
namespace {

void appendUtf8(char32_t point, std::string& utf8) {
    const auto byte = [&utf8](char32_t bits) { utf8 += static_cast<char>(bits); };
    if (point < 0x80) {
        byte(point);
    } else if (point < 0x800) {
        byte(0xc0 | point >> 6);
        byte(0x80 | (point & 0x3f));
    } else if (point < 0x10000) {
        byte(0xe0 | point >> 12);
        byte(0x80 | (point >> 6 & 0x3f));
        byte(0x80 | (point & 0x3f));
    } else {
        byte(0xf0 | point >> 18);
        byte(0x80 | (point >> 12 & 0x3f));
        byte(0x80 | (point >> 6 & 0x3f));
        byte(0x80 | (point & 0x3f));
    }
}

// The length of the UTF-8 sequence that `lead` begins, or 0 for a byte that begins none.
std::size_t sequenceLength(unsigned char lead) {
    return lead < 0x80   ? 1
           : lead < 0xc2 ? 0
           : lead < 0xe0 ? 2
           : lead < 0xf0 ? 3
           : lead < 0xf5 ? 4
                         : 0;
}

constexpr char32_t kIllFormed = 0xffffffff;

// The code point of the sequence of `size` bytes at `text`, or kIllFormed. Surrogates are let
// through: the decoder writes a lone one that way.
char32_t decodeSequence(std::string_view text, std::size_t size) {
    constexpr std::array<unsigned char, 5> kLeadBits = {0, 0x7f, 0x1f, 0x0f, 0x07};
    constexpr std::array<char32_t, 5> kLeast = {0, 0, 0x80, 0x800, 0x10000};
    char32_t point = static_cast<unsigned char>(text[0]) & kLeadBits[size];
    for (std::size_t i = 1; i < size; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xc0) != 0x80) {
            return kIllFormed;
        }
        point = point << 6 | (next & 0x3f);
    }
    return point >= kLeast[size] && point <= 0x10ffff ? point : kIllFormed;
}

} // namespace

Utf8Character firstCharacter(std::string_view text) {
    const std::size_t size = text.empty() ? 0 : sequenceLength(static_cast<unsigned char>(text[0]));
    if (size == 0 || text.size() < size) {
        return {};
    }
    const char32_t point = decodeSequence(text, size);
    if (point == kIllFormed || (point >= 0xd800 && point <= 0xdfff)) {
        return {};
    }
    return {point, size};
}

bool isUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t size = firstCharacter(text).size;
        if (size == 0) {
            return false;
        }
        text.remove_prefix(size);
    }
    return true;
}

std::string fromWindows1252(std::string_view text) {
    // 0x80 to 0x9F; where Windows-1252 has no character, the C1 control of the same number.
    constexpr std::array<char16_t, 32> kHigh = {
        0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
        0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(byte >= 0x80 && byte < 0xa0 ? kHigh[byte - 0x80] : byte, utf8);
    }
    return utf8;
}

void Utf16Decoder::unit(char16_t value, std::string& utf8) {
    const bool high = value >= 0xd800 && value < 0xdc00;
    const bool low = value >= 0xdc00 && value < 0xe000;
    if (m_highSurrogate != 0 && low) {
        appendUtf8(0x10000 + ((m_highSurrogate - 0xd800) << 10) + (value - 0xdc00), utf8);
        m_highSurrogate = 0;
        return;
    }
    if (m_highSurrogate != 0) {
        appendUtf8(m_highSurrogate, utf8); // alone: kept as it was
        m_highSurrogate = 0;
    }
    if (high) {
        m_highSurrogate = value;
    } else {
        appendUtf8(value, utf8);
    }
}

void Utf16Decoder::decode(std::string_view bytes, std::string& utf8) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (m_oddByte < 0) {
            m_oddByte = byte;
            continue;
        }
        const auto first = static_cast<char16_t>(m_oddByte);
        unit(m_bigEndian ? static_cast<char16_t>(first << 8 | byte)
                         : static_cast<char16_t>(byte << 8 | first),
             utf8);
        m_oddByte = -1;
    }
}

bool Utf16Decoder::finish(std::string& utf8) {
    if (m_highSurrogate != 0) {
        appendUtf8(m_highSurrogate, utf8);
        m_highSurrogate = 0;
    }
    return std::exchange(m_oddByte, -1) < 0;
}

// Encodes the UTF-8 written to it as UTF-16 into the stream's own buffer. A sequence cut between
// two writes waits for its end.
class Utf16Output::Buffer : public std::streambuf {
public:
    Buffer(std::streambuf& target, bool bigEndian)
        : m_target(target)
        , m_bigEndian(bigEndian) {}

private:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            return traits_type::not_eof(c);
        }
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        m_pending.append(bytes, static_cast<std::size_t>(count));
        std::string_view text = m_pending;
        while (!text.empty()) {
            const std::size_t size = sequenceLength(static_cast<unsigned char>(text[0]));
            if (size > text.size()) {
                break; // its end comes with the next write
            }
            const char32_t point = size == 0 ? kIllFormed : decodeSequence(text, size);
            writePoint(point == kIllFormed ? 0xfffd : point);
            text.remove_prefix(point == kIllFormed ? 1 : size);
        }
        m_pending.erase(0, m_pending.size() - text.size());
        return m_failed ? 0 : count;
    }

    int sync() override { return !m_failed && m_target.pubsync() == 0 ? 0 : -1; }

    void writeUnit(char32_t unit) {
        const std::array<char, 2> bytes = {static_cast<char>(m_bigEndian ? unit >> 8 : unit),
                                           static_cast<char>(m_bigEndian ? unit : unit >> 8)};
        m_failed = m_failed || m_target.sputn(bytes.data(), 2) != 2;
    }

    void writePoint(char32_t point) {
        if (point >= 0x10000) {
            writeUnit(0xd800 + ((point - 0x10000) >> 10));
            writeUnit(0xdc00 + ((point - 0x10000) & 0x3ff));
        } else {
            writeUnit(point);
        }
    }

    std::streambuf& m_target;
    bool m_bigEndian;
    std::string m_pending;
    bool m_failed = false;
};

Utf16Output::Utf16Output(std::ostream& out, Encoding encoding)
    : m_out(out)
    , m_original(out.rdbuf()) {
    if (encoding != Encoding::Utf8 && m_original) {
        m_buffer = std::make_unique<Buffer>(*m_original, encoding == Encoding::Utf16BigEndian);
        const auto state = m_out.rdstate();
        m_out.rdbuf(m_buffer.get());
        m_out.setstate(state);
    }
}

Utf16Output::~Utf16Output() {
    if (m_buffer) {
        m_out.flush();
        // rdbuf() clears the state: a write that failed must still count as failed.
        const auto state = m_out.rdstate();
        m_out.rdbuf(m_original);
        m_out.setstate(state);
    }
}

} // namespace zifrano::cli
