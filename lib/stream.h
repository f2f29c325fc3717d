// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// A byte stream as the stream encoding needs it: read up to n bytes, write n bytes, move the
// position relative to the current one.
class TStream {
public:
    virtual ~TStream() = default;

    // Reads up to bytes.size() bytes into bytes; returns how many were read, 0 at the end of
    // the data or when the stream cannot be read.
    virtual std::size_t read(std::span<std::uint8_t> bytes) = 0;
    // Writes the bytes; returns how many were written (fewer when the medium is full).
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    // Moves the position by offset bytes, negative for backwards.
    virtual void seekRelative(std::int64_t offset) = 0;
    // The system's error number of the last read or write that failed; 0 when none did or the
    // stream has no such cause (the end of the data is no error).
    virtual int lastError() const { return 0; }
};

// A stream over a growing byte vector that it owns; the position starts at 0.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    std::size_t read(std::span<std::uint8_t> bytes) override;
    // Overwrites from the position on and grows the vector as needed.
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    // Clamps the new position into 0 .. size.
    void seekRelative(std::int64_t offset) override;

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    // Hands the bytes over and leaves the stream empty at position 0.
    std::vector<std::uint8_t> takeBytes() {
        m_position = 0;
        return std::exchange(m_bytes, {});
    }
    std::size_t position() const { return m_position; }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_position = 0;
};

// A stream on an open POSIX file descriptor, which it closes when destroyed. Reads wait for data
// on pipes and other non-blocking descriptors: only the end of the data ends a read with 0.
class TFileStream : public TStream {
public:
    explicit TFileStream(int descriptor) : m_descriptor(descriptor) {}
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t read(std::span<std::uint8_t> bytes) override;
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    void seekRelative(std::int64_t offset) override;
    int lastError() const override { return m_lastError; }

    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
    int m_lastError = 0;
};
