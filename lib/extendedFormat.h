// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 80-bit extended format of the stream encoding, 10 bytes little-endian: a 64-bit
// significand with an explicit integer bit, then sign (bit 15) and exponent biased by 16383
// (bits 0..14). Exponent 0 holds zero and the denormals, 0x7FFF the infinities (significand
// 0x8000000000000000) and NaNs.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

using TExtendedBytes = std::array<std::uint8_t, 10>;

// True where long double is the x87 format, whose memory image is the stored one.
inline constexpr bool kLongDoubleIsX87 = std::numeric_limits<long double>::digits == 64 &&
                                         std::numeric_limits<long double>::max_exponent == 16384;

// The bytes of value and the value of bytes, computed from the number's parts, so they work
// with any long double. A wider significand is rounded to nearest, ties to even; beyond the
// range gives an infinity. Every NaN is stored as the quiet NaN with the sign kept.
TExtendedBytes encodeExtendedPortably(long double value);
long double decodeExtendedPortably(const TExtendedBytes& bytes);

// The same as the portable forms, by copying the memory image where long double is x87.
inline constexpr bool kCopyExtended =
    kLongDoubleIsX87 && std::endian::native == std::endian::little;

inline TExtendedBytes encodeExtended(long double value) {
    if constexpr (!kCopyExtended) return encodeExtendedPortably(value);
    TExtendedBytes bytes;
    std::memcpy(bytes.data(), &value, bytes.size());
    return bytes;
}

inline long double decodeExtended(const TExtendedBytes& bytes) {
    if constexpr (!kCopyExtended) return decodeExtendedPortably(bytes);
    long double value = 0;
    std::memcpy(&value, bytes.data(), bytes.size());
    return value;
}
