#pragma once

#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zifrano {

// Where a wording is put together: on the stack, so that making it costs one allocation, for
// the finished string, however many words it has.
class WordingBuffer {
public:
    // The longest wording of an amount the type can hold is under 170 characters, cents included.
    static constexpr std::size_t kCapacity = 192;

    void append(std::string_view text) {
        if (text.size() > kCapacity - m_size) {
            throw std::length_error("wording longer than any amount's");
        }
        std::memcpy(m_text + m_size, text.data(), text.size());
        m_size += text.size();
    }
    // Appends the first `size` characters of a block of kBlock characters, copying the whole
    // block: a copy of fixed length is much cheaper than one of any length.
    static constexpr std::size_t kBlock = 32;
    void appendBlock(const char* block, std::size_t size) {
        if (size > kBlock || size > kCapacity - m_size) {
            throw std::length_error("wording longer than any amount's");
        }
        std::memcpy(m_text + m_size, block, kBlock);
        m_size += size;
    }

    std::string_view view() const { return {m_text, m_size}; }
    std::string str() const { return std::string(view()); }

private:
    char m_text[kCapacity + kBlock]; // room to copy a whole block at the end
    std::size_t m_size = 0;
};

} // namespace zifrano
