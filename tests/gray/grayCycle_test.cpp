#include "gray/grayCycle.h"

#include <gtest/gtest.h>

#include "gray/GrayUnit.h"
#include "tests/support/standInWindow.h"

namespace {

TEST(GrayCycle, PositionsMapBetweenTheCycleAndTheFullCode) {
    StandInWindow window;
    TGray gray(10);  // keeps indices 0..8 and 15
    gray.generate();
    const std::pair<int, std::optional<int>> cases[] = {{0, 0},
                                                        {8, 8},
                                                        {9, std::nullopt},
                                                        {14, std::nullopt},
                                                        {15, 9},
                                                        {16, std::nullopt},
                                                        {-1, std::nullopt}};
    for (const auto& [index, word] : cases) {
        EXPECT_EQ(wordOfFullIndex(gray, index), word) << index;
        if (word) {
            EXPECT_EQ(fullIndexOfWord(gray, *word), index);
        }
    }
    EXPECT_EQ(keptWords(gray).back(), "1000");
}

TEST(GrayCycle, ChangedBitCountsFromTheRight) {
    EXPECT_EQ(singleChangedBit("0011", "0010"), 0);
    EXPECT_EQ(singleChangedBit("1100", "1000"), 2);
    EXPECT_EQ(singleChangedBit("1000", "0000"), 3);
    EXPECT_EQ(singleChangedBit("0011", "0011"), std::nullopt);
    EXPECT_EQ(singleChangedBit("0011", "0000"), std::nullopt);
    EXPECT_EQ(singleChangedBit("001", "0010"), std::nullopt);
}

TEST(GrayCycle, CheckReadsTheWordsThemselves) {
    for (int count : {4, 6, 10, 34, 64}) {
        StandInWindow window;
        TGray gray(count);
        gray.generate();
        const TCycleCheck check = checkCycle(keptWords(gray));
        EXPECT_TRUE(check.cyclic) << count;
        EXPECT_EQ(check.text,
                  "Zyklisch: alle " + std::to_string(count) + " Übergänge ändern genau ein Bit");
    }
    const TCycleCheck broken = checkCycle({"00", "01", "11", "00"});
    EXPECT_FALSE(broken.cyclic);
    EXPECT_EQ(broken.text,
              "Nicht zyklisch: Wort 3 (11) und Wort 4 (00) unterscheiden sich nicht in genau "
              "einem Bit");
    // The wrap from the last word to the first is a transition too.
    EXPECT_FALSE(checkCycle({"00", "01", "11"}).cyclic);
}

}  // namespace
