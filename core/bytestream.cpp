// SPDX-License-Identifier: MIT
#include "core/bytestream.h"

#include <cerrno>

namespace tarnwick {

std::size_t FileSource::read(char* buffer, std::size_t size) {
    const std::size_t got = std::fread(buffer, 1, size, m_file);
    if (got == 0 && std::ferror(m_file))
        m_error = errno != 0 ? errno : EIO;
    return got;
}

bool FileSink::write(std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
}

bool FileSink::flush() {
    return std::fflush(m_file) == 0;
}

} // namespace tarnwick
