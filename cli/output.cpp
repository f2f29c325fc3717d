// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/output.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

void TOutput::write(std::string_view text) {
    if (m_buffer.size() + text.size() > kBufferSize) flush();
    if (text.size() >= kBufferSize) {
        writeAll(text);  // a large piece goes out without a copy
    } else {
        m_buffer += text;
    }
}

void TOutput::flush() {
    writeAll(m_buffer);
    m_buffer.clear();
}

void TOutput::writeAll(std::string_view text) {
    while (!text.empty()) {
        const ssize_t count = ::write(m_descriptor, text.data(), text.size());
        if (count < 0 && errno == EINTR) continue;
        // write returning 0 for a non-empty piece means no more room, as ENOSPC does.
        if (count <= 0) throw std::system_error(count < 0 ? errno : ENOSPC, std::generic_category());
        text.remove_prefix(static_cast<std::size_t>(count));
    }
}
