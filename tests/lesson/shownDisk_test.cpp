// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/shownDisk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "tests/support/recordingCanvas.h"
#include "tests/support/standInWindow.h"

namespace {

class ShownDisk : public ::testing::Test {
protected:
    ShownDisk() {
        gray.generate();
        model.setCycle(gray.cycle());
    }

    StandInWindow window;
    TGray gray{16};
    TShownDisk model;
};

// What is drawn, saved, marked and described is the disk shown: the plain Gray disk while the
// head is hidden or untouched, the binary disk under "Dualcode", the turned ring under "Versatz".
TEST_F(ShownDisk, TheDiskShownFollowsDualcodeAndVersatz) {
    const std::vector<std::string> grayWords = gray.cycle().words();
    const std::vector<std::string> binary = binaryWords(16);
    const std::vector<double> turned = ringOffsets(4, 3, 5.63);
    const struct {
        bool shown, binary;
        int units;
        const std::vector<std::string>& words;
        std::vector<double> offsets;  // empty: the plain disk
        std::string first, last;      // the description's first and last line of sector 7
        std::size_t changes;
    } cases[] = {
        {false,
         true,
         563,
         grayWords,
         {},
         "Position 8 von 16: 0100",
         "0100 → Dualzahl 0111 → Nummer 7 im vollständigen Code → 7 + 1 = Position 8 von 16",
         1},
        {true,
         false,
         0,
         grayWords,
         {},
         "Position 8 von 16: 0100",
         "0100 → Dualzahl 0111 → Nummer 7 im vollständigen Code → 7 + 1 = Position 8 von 16",
         1},
        {true, true, 0, binary, ringOffsets(4, 3, 0), "Position 8 von 16 im Dualcode: 0111",
         "Zum nächsten Codewort 1000 ändern sich 4 Bits: 0, 1, 2 und 3", 4},
        {true, false, 563, grayWords, turned, "Position 8 von 16: 0100",
         "Ring 4 (innen, Bit 3) um 5,63° versetzt", 1},
    };
    for (const auto& c : cases) {
        model.setShown(c.shown);
        model.setBinary(c.binary);
        model.setOffsetUnits(c.units);
        EXPECT_EQ(model.showsPlainDisk(), c.offsets.empty());
        RecordingCanvas shown(700, 700);
        model.paintShownDisk(shown);
        RecordingCanvas expected(700, 700);
        paintDisk(expected, c.words, c.offsets);
        EXPECT_EQ(shown.calls, expected.calls) << c.first << " / " << c.last;

        const std::string text = model.sectorDescription(7);
        EXPECT_EQ(text.substr(0, text.find('\n')), c.first);
        EXPECT_EQ(text.substr(text.rfind('\n') + 1), c.last);
        const TSectorMark mark = model.sectorMark(700, 7);
        ASSERT_EQ(mark.changes.size(), c.changes);
        // The stretch in the innermost ring lies on the boundary after sector 7, turned with it.
        const auto [from, to] = mark.changes.back();
        const double degrees = std::atan2(350 - to.y, to.x - 350) * 180 / std::numbers::pi + 360;
        EXPECT_NEAR(std::fmod(degrees, 360), 8 * 22.5 + (c.offsets.empty() ? 0 : c.offsets[3]),
                    1e-9);
    }
}

// Page Up and Down turn by one sector of the disk shown, across 0°, fine steps by a quarter
// degree.
TEST_F(ShownDisk, SectorStepsTurnByAWholeSector) {
    const struct {
        double from;
        bool sector;
        int direction;
        double to;
    } cases[] = {
        {10, true, 1, 32.5},   {10, true, -1, 347.5}, {350, true, 1, 12.5},
        {10, false, 1, 10.25}, {10, false, -1, 9.75}, {0, true, -7, 337.5},
    };
    for (const auto& c : cases) {
        model.setAngle(c.from);
        if (c.sector) {
            model.stepSector(c.direction);
        } else {
            model.step(c.direction);
        }
        EXPECT_DOUBLE_EQ(model.angle(), c.to) << c.from << " " << c.direction;
    }
}

TEST_F(ShownDisk, OnlyAShownHeadTurnsAndHidingItStopsTheTurn) {
    model.startOrStopTurn();
    EXPECT_FALSE(model.turning());
    model.setShown(true);
    model.startOrStopTurn();
    EXPECT_EQ(model.turnButtonText(), "Anhalten");
    model.setShown(false);
    EXPECT_FALSE(model.turning());
    EXPECT_EQ(model.turnButtonText(), "Drehen");
}

// "Drehen" logs the positions read, the binary disk's jumps marked: with ring 1 a quarter
// sector on, sector 5 reads 6 before 5 (0101 while the head is over 0100).
TEST_F(ShownDisk, ATurnLogsThePositionsReadAndItsJumps) {
    model.setShown(true);
    model.setRing(0);
    model.setOffsetUnits(563);
    model.setBinary(true);
    EXPECT_EQ(model.readingLog(), "");
    model.setAngle(60);  // sector 3
    model.startOrStopTurn();
    for (int frame = 0; frame < 60; ++frame) model.advanceTurn();  // to 146.4°, sector 7
    EXPECT_EQ(model.readingLog(), "Gelesen: 3 → 4 → 6! → 5 → 6 → 8! → 7");
    EXPECT_EQ(model.countLine(),
              "Gray-Code: 0 Fehllesungen, 0 Sprünge · Dualcode: 0 Fehllesungen, 8 Sprünge je "
              "Umdrehung");
    while (model.turning()) model.advanceTurn();
    EXPECT_TRUE(model.readingLog().starts_with("Gelesen: … "));
    EXPECT_TRUE(model.readingLog().ends_with(" → 4! → 3"));  // back where it began
    model.setBinary(false);                                  // the log is of one disk
    EXPECT_EQ(model.readingLog(), "");
}

TEST_F(ShownDisk, ANewTableFitsTheRingAndOffsetAndNoNumberLeavesTheAngle) {
    EXPECT_EQ(model.ring(), 3);  // the innermost at the first table
    model.setOffsetUnits(100000);
    EXPECT_EQ(model.offsetText(), "11,25°");  // half a sector
    model.setAngle(100);
    model.setAngle(std::nan(""));
    model.setAngle(HUGE_VAL);
    EXPECT_DOUBLE_EQ(model.angle(), 100);

    TGray large(64);
    large.generate();
    model.setCycle(large.cycle());
    EXPECT_EQ(model.ring(), 3);
    EXPECT_EQ(model.offsetUnits(), 281);  // half of the smaller sector
    TGray small(4);
    small.generate();
    model.setCycle(small.cycle());
    EXPECT_EQ(model.ring(), 1);
    EXPECT_EQ(model.ringNames().size(), 2u);
}

}  // namespace
