// SPDX-License-Identifier: GPL-3.0-or-later
#include "io/writeBehindStream.h"

#include <fcntl.h>

std::size_t TWriteBehindStream::write(std::span<const std::uint8_t> bytes) {
    const std::size_t written = TFileStream::write(bytes);
    m_written += written;
    if (m_written - m_handed >= kWriteBehindStep) {
        // Only a hint: where the system cannot, fsync still writes everything.
        ::sync_file_range(descriptor(), static_cast<off_t>(m_handed),
                          static_cast<off_t>(m_written - m_handed), SYNC_FILE_RANGE_WRITE);
        m_handed = m_written;
    }
    return written;
}
