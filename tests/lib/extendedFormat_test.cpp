// SPDX-License-Identifier: GPL-3.0-or-later
#include "lib/extendedFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/support/byteHelpers.h"

namespace {

using Limits = std::numeric_limits<long double>;

struct WorkedNumber {
    const char* what;
    long double value;
    const char* hex;
};

// Both code paths, the memory image on x87 and the computed one, against the same bytes.
TEST(ExtendedFormat, BothPathsGiveAndReadTheWorkedBytes) {
    const WorkedNumber cases[] = {
        {"1.5", 1.5L, "00 00 00 00 00 00 00 C0 FF 3F"},
        {"-2.0", -2.0L, "00 00 00 00 00 00 00 80 00 C0"},
        {"zero", 0.0L, "00 00 00 00 00 00 00 00 00 00"},
        {"negative zero", -0.0L, "00 00 00 00 00 00 00 00 00 80"},
        {"largest", Limits::max(), "FF FF FF FF FF FF FF FF FE 7F"},
        {"smallest normal", Limits::min(), "00 00 00 00 00 00 00 80 01 00"},
        {"largest denormal", Limits::min() - Limits::denorm_min(), "FF FF FF FF FF FF FF 7F 00 00"},
        {"smallest denormal", -Limits::denorm_min(), "01 00 00 00 00 00 00 00 00 80"},
        {"infinity", Limits::infinity(), "00 00 00 00 00 00 00 80 FF 7F"},
        {"-infinity", -Limits::infinity(), "00 00 00 00 00 00 00 80 FF FF"},
        {"NaN", Limits::quiet_NaN(), "00 00 00 00 00 00 00 C0 FF 7F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes expected = hexBytes(c.hex);
        TExtendedBytes stored{};
        std::copy(expected.begin(), expected.end(), stored.begin());
        for (const auto& bytes : {encodeExtendedPortably(c.value), encodeExtended(c.value)}) {
            EXPECT_EQ(hexOf(Bytes(bytes.begin(), bytes.end())), c.hex);
        }
        for (const long double back : {decodeExtendedPortably(stored), decodeExtended(stored)}) {
            if (std::isnan(c.value)) {
                EXPECT_TRUE(std::isnan(back));
            } else {
                EXPECT_EQ(back, c.value);
                EXPECT_EQ(std::signbit(back), std::signbit(c.value));
            }
        }
    }
}

TEST(ExtendedFormat, PortablePathRoundTripsEveryBinade) {
    for (int exponent = Limits::min_exponent - 64; exponent < Limits::max_exponent;
         exponent += 97) {
        const long double value = std::ldexp(0.7071067811865475244L, exponent);
        EXPECT_EQ(decodeExtendedPortably(encodeExtendedPortably(value)), value) << exponent;
        EXPECT_EQ(encodeExtendedPortably(value), encodeExtended(value)) << exponent;
    }
}

}  // namespace
