// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/extendedFormat.h"

#include <cmath>

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
// The exponent of the significand's lowest bit below the integer bit.
constexpr int kFractionBits = 63;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

TExtendedBytes packed(bool negative, int exponent, std::uint64_t significand) {
    TExtendedBytes bytes{};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    const auto top = static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponent);
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

// Rounds a non-negative value below 2^64 to the nearest integer, ties to even.
std::uint64_t roundedSignificand(long double value) {
    return static_cast<std::uint64_t>(std::nearbyint(value));
}

}  // namespace

TExtendedBytes encodeExtendedPortably(long double value) {
    const bool negative = std::signbit(value);
    if (std::isnan(value)) return packed(negative, kMaxExponent, kIntegerBit | kQuietBit);
    const long double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return packed(negative, kMaxExponent, kIntegerBit);
    if (magnitude == 0) return packed(negative, 0, 0);

    int binaryExponent = 0;  // magnitude = fraction * 2^binaryExponent, fraction in [0.5, 1)
    const long double fraction = std::frexp(magnitude, &binaryExponent);
    int exponent = binaryExponent - 1 + kBias;
    if (exponent <= 0) {
        // A denormal: the significand counts units of 2^(1 - bias - 63); rounding may carry it
        // up to the smallest normal, whose integer bit then stands with exponent 1.
        const std::uint64_t significand =
            roundedSignificand(std::ldexp(magnitude, kBias - 1 + kFractionBits));
        return packed(negative, significand >= kIntegerBit ? 1 : 0, significand);
    }
    // fraction * 2^64 lies in [2^63, 2^64]; reaching 2^64 carries into the exponent.
    const long double scaled = std::nearbyint(std::ldexp(fraction, kFractionBits + 1));
    std::uint64_t significand = 0;
    if (scaled >= std::ldexp(1.0L, kFractionBits + 1)) {
        significand = kIntegerBit;
        ++exponent;
    } else {
        significand = static_cast<std::uint64_t>(scaled);
    }
    if (exponent >= kMaxExponent) return packed(negative, kMaxExponent, kIntegerBit);
    return packed(negative, exponent, significand);
}

long double decodeExtendedPortably(const TExtendedBytes& bytes) {
    std::uint64_t significand = 0;
    for (std::size_t i = 8; i-- > 0;) significand = (significand << 8) | bytes[i];
    const int top = bytes[8] | (bytes[9] << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = top & kMaxExponent;
    long double magnitude = 0;
    if (exponent == kMaxExponent) {
        magnitude = (significand << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                            : std::numeric_limits<long double>::quiet_NaN();
    } else {
        // Exponent 0 scales like exponent 1, without the integer bit.
        const int scale = std::max(exponent, 1) - kBias - kFractionBits;
        magnitude = std::ldexp(static_cast<long double>(significand), scale);
    }
    return negative ? -magnitude : magnitude;
}
