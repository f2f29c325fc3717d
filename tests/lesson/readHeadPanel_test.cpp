// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/readHeadPanel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Over one turn of the binary disk of 16 with its inner ring a quarter sector off, the panel
// says what the sweep found: the word read, and a verdict that names every misread.
TEST(ReadHeadPanel, VerdictFollowsTheSweepOverATurn) {
    const std::vector<std::string> words = binaryWords(16);
    const TSweep turn = sweep(words, ringOffsets(4, 3, 5.625));
    int misreads = 0;
    for (const TSweepReading& reading : turn.readings) {
        const double middle = (reading.fromDegrees + reading.toDegrees) / 2;
        const TReadHeadPanel panel = readHeadPanel(words, turn, middle);
        EXPECT_EQ(panel.word, reading.word);
        EXPECT_EQ(panel.verdict == "Fehllesung!", reading.misread) << middle;
        EXPECT_EQ(panel.verdict == "richtig gelesen", reading.word == readAt(words, middle, {}));
        misreads += panel.misread ? 1 : 0;
    }
    EXPECT_GT(misreads, 0);
    EXPECT_EQ(readHeadPanel(words, turn, 190).sectorWord,
              "Wort des Sektors: 1000 (Position 9 von 16)");
    EXPECT_EQ(misreadLine({{}, 0, 0}, {{}, 1, 1}),
              "Gray-Code: 0 Fehllesungen, 0 Sprünge · Dualcode: 1 Fehllesung, 1 Sprung je "
              "Umdrehung");
    EXPECT_EQ(degreesText(turnAngle(350, kHeadTurnFrames / 2)), "170,00°");
}

// Every angle is taken into [0, 360): one so close below 0 that adding 360 rounds to 360 is 0.
TEST(ReadHeadPanel, HeadAnglesStayBelowAFullTurn) {
    const struct {
        double degrees, angle;
    } cases[] = {{-1e-20, 0}, {-360, 0}, {720, 0}, {-90, 270}, {-1e-9, 360 - 1e-9}, {365, 5}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(headAngle(c.degrees), c.angle) << c.degrees;
}

// Each sensor lies in its own ring and in the sector under the head, and shows the bit read.
TEST(ReadHeadPanel, SensorsSitInTheirRingsAlongTheHead) {
    const TDiskLayout layout(700, 6, 64);
    for (const double angle : {0.5, 93.0, 271.7}) {
        const THeadShape head = headShape(700, "100110", 64, angle);
        ASSERT_EQ(head.sensors.size(), 6u);
        for (std::size_t bit = 0; bit < 6; ++bit) {
            const auto [x, y] = head.sensors[bit].centre;
            EXPECT_EQ(layout.sectorAt(x, y), static_cast<int>(angle / 360 * 64));
            const double radius = std::hypot(x - 350, y - 350);
            EXPECT_LT(radius, layout.outerRadiusOfBit(static_cast<int>(bit)));
            EXPECT_GT(radius, layout.outerRadiusOfBit(static_cast<int>(bit) + 1));
            EXPECT_EQ(head.sensors[bit].one, "100110"[5 - bit] == '1');
        }
        EXPECT_NEAR(headAngleTowards(700, head.to.x, head.to.y), angle, 1e-9);
    }
}

}  // namespace
