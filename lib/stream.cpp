// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/stream.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

std::size_t TMemoryStream::read(std::span<std::uint8_t> bytes) {
    const std::size_t count = std::min(bytes.size(), m_bytes.size() - m_position);
    if (count > 0) std::memcpy(bytes.data(), m_bytes.data() + m_position, count);
    m_position += count;
    return count;
}

std::size_t TMemoryStream::write(std::span<const std::uint8_t> bytes) {
    // Overwrite what lies behind the position, append the rest.
    const std::size_t overwritten = std::min(bytes.size(), m_bytes.size() - m_position);
    if (overwritten > 0) std::memcpy(m_bytes.data() + m_position, bytes.data(), overwritten);
    m_bytes.insert(m_bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(overwritten),
                   bytes.end());
    m_position += bytes.size();
    return bytes.size();
}

void TMemoryStream::seekRelative(std::int64_t offset) {
    const auto target = static_cast<std::int64_t>(m_position) + offset;
    m_position = static_cast<std::size_t>(
        std::clamp<std::int64_t>(target, 0, static_cast<std::int64_t>(m_bytes.size())));
}

TFileStream::~TFileStream() { ::close(m_descriptor); }

std::size_t TFileStream::read(std::span<std::uint8_t> bytes) {
    for (;;) {
        const ssize_t count = ::read(m_descriptor, bytes.data(), bytes.size());
        if (count >= 0) return static_cast<std::size_t>(count);
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A pipe with no data yet is not its end: wait until the writer sends or closes.
            pollfd waiting{.fd = m_descriptor, .events = POLLIN, .revents = 0};
            if (::poll(&waiting, 1, -1) >= 0 || errno == EINTR) continue;
        } else if (errno == EINTR) {
            continue;
        }
        m_lastError = errno;
        return 0;
    }
}

std::size_t TFileStream::write(std::span<const std::uint8_t> bytes) {
    // write may take a part at a time; only a refusal ends the loop early.
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(m_descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) m_lastError = errno;
        if (count <= 0) break;
        written += static_cast<std::size_t>(count);
    }
    return written;
}

void TFileStream::seekRelative(std::int64_t offset) {
    ::lseek(m_descriptor, static_cast<off_t>(offset), SEEK_CUR);
}
