// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "lib/stream.h"
#include "lib/valueStream.h"

using Bytes = std::vector<std::uint8_t>;

// The tree file of a root TInteger 300 with the leaves -1 (left) and 100000 (right).
inline constexpr const char* kWorkedTree =
    "06 08 54 49 6E 74 65 67 65 72 03 2C 01 09 09 "
    "06 08 54 49 6E 74 65 67 65 72 02 FF 08 08 "
    "06 08 54 49 6E 74 65 67 65 72 04 A0 86 01 00 08 08";

// Bytes from a string of hexadecimal pairs such as "03 2C 01".
Bytes hexBytes(const std::string& hex);
// The first length bytes.
Bytes prefixOf(const Bytes& bytes, std::size_t length);
// "03 2C 01" for the bytes.
std::string hexOf(const Bytes& bytes);

// What put writes through a TWriter with a 4000-byte buffer, after release.
Bytes encoded(const std::function<void(TWriter&)>& put);

// A memory stream that counts and records the pieces handed to write.
class TRecordingStream : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        pieces.push_back(bytes.size());
        return TMemoryStream::write(bytes);
    }
    std::vector<std::size_t> pieces;
};
