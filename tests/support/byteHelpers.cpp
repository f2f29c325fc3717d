// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/byteHelpers.h"

#include <cstdio>
#include <sstream>

Bytes hexBytes(const std::string& hex) {
    Bytes bytes;
    std::istringstream in(hex);
    std::string pair;
    while (in >> pair) bytes.push_back(static_cast<std::uint8_t>(std::stoul(pair, nullptr, 16)));
    return bytes;
}

Bytes prefixOf(const Bytes& bytes, std::size_t length) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

std::string hexOf(const Bytes& bytes) {
    std::string out;
    for (std::uint8_t byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        if (!out.empty()) out += ' ';
        out += pair;
    }
    return out;
}

Bytes encoded(const std::function<void(TWriter&)>& put) {
    TMemoryStream stream;
    {
        TWriter writer(stream, 4000);
        put(writer);
        writer.release();
    }
    return stream.bytes();
}
