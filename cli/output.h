// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Buffered output to a file descriptor that it does not own, checked on every write: a failed or
// short write raises std::system_error with the system's error number (a full disk, /dev/full).
class TOutput {
public:
    explicit TOutput(int descriptor) : m_descriptor(descriptor) {}

    void write(std::string_view text);
    // Hands everything buffered to the descriptor.
    void flush();

private:
    void writeAll(std::string_view text);

    static constexpr std::size_t kBufferSize = 1 << 16;

    int m_descriptor;
    std::string m_buffer;
};
