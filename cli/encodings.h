// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace zifrano::cli {

/// How the input's text is encoded, as its first bytes tell. The tool works in UTF-8 inside and
/// answers in the input's own encoding.
enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

/// The character UTF-8 writes at the start of `text`: its code point, and its length in bytes,
/// 0 when the bytes there are no well-formed character (a surrogate is none).
struct Utf8Character {
    char32_t point = 0;
    std::size_t size = 0;
};
Utf8Character firstCharacter(std::string_view text);

/// Whether `text` is wholly UTF-8.
bool isUtf8(std::string_view text);

/// `text`, read as Windows-1252 (Latin-1 with the euro sign and typographic marks at 0x80 to
/// 0x9F, as Excel writes an Italian CSV), in UTF-8.
std::string fromWindows1252(std::string_view text);

/// Turns UTF-16 into UTF-8 a piece at a time. A surrogate without its pair becomes the three
/// bytes UTF-8 would give its code unit, so that Utf16Output writes it back as it was.
class Utf16Decoder {
public:
    explicit Utf16Decoder(Encoding encoding)
        : m_bigEndian(encoding == Encoding::Utf16BigEndian) {}

    /// Appends `bytes` to `utf8`, decoded; what ends in the middle of a character waits for the
    /// next piece.
    void decode(std::string_view bytes, std::string& utf8);
    /// Appends what was still waiting, at the end of the input. Returns false when an odd byte
    /// was left over, half a character, which nothing can stand for: it is dropped.
    bool finish(std::string& utf8);

private:
    void unit(char16_t value, std::string& utf8);

    bool m_bigEndian;
    int m_oddByte = -1;
    char16_t m_highSurrogate = 0;
};

/// While it lives, what is written to the stream goes out as UTF-16, when the input came in
/// UTF-16; otherwise it changes nothing. A failed write stays a failure of the stream.
class Utf16Output {
public:
    Utf16Output(std::ostream& out, Encoding encoding);
    ~Utf16Output();
    Utf16Output(const Utf16Output&) = delete;
    Utf16Output& operator=(const Utf16Output&) = delete;

private:
    class Buffer;

    std::ostream& m_out;
    std::streambuf* m_original;
    std::unique_ptr<Buffer> m_buffer;
};

} // namespace zifrano::cli
