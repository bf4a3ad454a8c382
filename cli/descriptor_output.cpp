// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "descriptor_output.h"

#include <cerrno>
#include <unistd.h>

namespace zifrano::cli {

DescriptorOutput::DescriptorOutput(std::ostream& stream, int descriptor)
    : m_stream(stream)
    , m_original(stream.rdbuf())
    , m_descriptor(descriptor) {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    m_stream.flush(); // nothing may be left behind in the buffer it replaces
    const std::ios::iostate state = m_stream.rdstate();
    m_stream.rdbuf(this);
    m_stream.setstate(state); // rdbuf() clears the state
}

DescriptorOutput::~DescriptorOutput() {
    const bool written = writeOut();
    const std::ios::iostate state = m_stream.rdstate();
    m_stream.rdbuf(m_original);
    m_stream.setstate(written ? state : state | std::ios::badbit);
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
    if (!writeOut()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int DescriptorOutput::sync() {
    return writeOut() ? 0 : -1;
}

bool DescriptorOutput::writeOut() {
    const char* next = pbase();
    while (next < pptr()) {
        const ssize_t written =
            ::write(m_descriptor, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno != EINTR) {
            setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
            return false; // what could not be written is dropped: the stream has failed
        }
        next += written < 0 ? 0 : written;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return true;
}

} // namespace zifrano::cli
