// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskCode.h"

#include <gtest/gtest.h>

#include "gray/cycleCheck.h"

namespace {

// The excess cut keeps the middle of the full code: a closed cycle with one-bit steps that
// starts at e = (2^k - n) / 2; the decoder's table gives each word its position and the others 0.
TEST(DiskCode, BothCutsCloseAndDecodeEveryWord) {
    for (int n = TCodeCount::kMin; n <= TCodeCount::kMax; n += 2) {
        for (const TDiskCode code : {TDiskCode::Zyklora, TDiskCode::Excess}) {
            const TDiskWords disk = diskWords(*TCodeCount::of(n), code);
            const int full = 1 << disk.bits;
            EXPECT_TRUE(checkCycle(disk.words).cyclic) << n;
            EXPECT_EQ(disk.excess, code == TDiskCode::Excess ? (full - n) / 2 : 0) << n;
            const std::vector<std::int32_t> table = positionTable(disk);
            ASSERT_EQ(table.size(), static_cast<std::size_t>(full));
            int absent = 0;
            for (int value = 0; value < full; ++value) {
                const std::int32_t position = table[static_cast<std::size_t>(value)];
                if (position == 0) {
                    ++absent;
                    continue;
                }
                // The word read as a binary number, ring 1 (the last character) giving bit 0.
                EXPECT_EQ(std::stoi(disk.words[static_cast<std::size_t>(position - 1)], nullptr, 2),
                          value);
            }
            EXPECT_EQ(absent, full - n) << n;
        }
    }
    // 0110 is number 4 of the full code; the excess cut of 10 drops 3 words before it.
    EXPECT_EQ(positionTable(diskWords(*TCodeCount::of(10), TDiskCode::Excess))[6], 2);
    EXPECT_EQ(positionTable(diskWords(*TCodeCount::of(10), TDiskCode::Zyklora))[6], 5);
}

}  // namespace
