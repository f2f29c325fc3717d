// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "lib/stream.h"

// A stream on a file that is written from start to end and then made durable with fsync: each
// time another kWriteBehindStep bytes have been written, the system is asked to start writing
// them to the disk, without waiting for it. The disk then works while the rest is encoded, and
// the final fsync has little left to wait for.
class TWriteBehindStream final : public TFileStream {
public:
    // Large enough that the disk gets few, long writes; a smaller file is left to fsync alone.
    static constexpr std::size_t kWriteBehindStep = 512 * 1024;

    using TFileStream::TFileStream;

    std::size_t write(std::span<const std::uint8_t> bytes) override;

private:
    std::size_t m_written = 0;  // bytes written so far
    std::size_t m_handed = 0;   // of those, the ones whose writing to the disk has been started
};
