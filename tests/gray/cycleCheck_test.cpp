// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/cycleCheck.h"

#include <gtest/gtest.h>

#include <optional>

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
        EXPECT_EQ(gray.cycle().positionOf(index), word) << index;
        if (word) {
            EXPECT_EQ(gray.cycle().indexOf(*word), index);
        }
    }
    EXPECT_EQ(gray.cycle().words().back(), "1000");
}

TEST(GrayCycle, SteppingWrapsAroundTheCycleEitherWay) {
    const struct {
        std::optional<std::int32_t> selected;
        std::int32_t step;
        std::int32_t expected;
    } cases[] = {{std::nullopt, 1, 0}, {9, 1, 0}, {0, -1, 9}, {3, -25, 8}, {4, 23, 7}};
    for (const auto& c : cases) EXPECT_EQ(steppedWord(c.selected, c.step, 10), c.expected);
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
        const TCycleCheck check = checkCycle(gray.cycle().words());
        EXPECT_TRUE(check.cyclic) << count;
        EXPECT_EQ(check.text,
                  "Zyklisch: alle " + std::to_string(count) + " Übergänge ändern genau ein Bit");
    }
    const TCycleCheck broken = checkCycle({"00", "01", "11", "00"});
    EXPECT_FALSE(broken.cyclic);
    EXPECT_EQ(
        broken.text,
        "Nicht zyklisch: Position 3 (11) und Position 4 (00) unterscheiden sich nicht in genau "
        "einem Bit");
    // The wrap from the last word to the first is a transition too.
    EXPECT_FALSE(checkCycle({"00", "01", "11"}).cyclic);
}

TEST(GrayCycle, SectorDescriptionNamesTheWordAndTheRingThatChanges) {
    StandInWindow window;
    TGray gray(10);
    gray.generate();
    const std::pair<int, std::string> cases[] = {
        {0,
         "Position 1 von 10: 0000\nNummer 0 im vollständigen Code\n"
         "Zum nächsten Codewort 0001 ändert sich Bit 0 (Ring 1, außen)"},
        {1,
         "Position 2 von 10: 0001\nNummer 1 im vollständigen Code\n"
         "Zum nächsten Codewort 0011 ändert sich Bit 1 (Ring 2)"},
        {8,
         "Position 9 von 10: 1100\nNummer 8 im vollständigen Code\n"
         "Zum nächsten Codewort 1000 ändert sich Bit 2 (Ring 3)"},
        // The last word's next is the first, past the dropped block; the innermost bit changes.
        {9,
         "Position 10 von 10: 1000\nNummer 15 im vollständigen Code\n"
         "Zum nächsten Codewort 0000 ändert sich Bit 3 (Ring 4, innen)"}};
    for (const auto& [word, text] : cases) EXPECT_EQ(sectorDescription(gray.cycle(), word), text);
}

}  // namespace
