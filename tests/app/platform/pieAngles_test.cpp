// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/pieAngles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(PieAngles, RaysBecomeStartAndCounterClockwiseSpan) {
    // Centre (350, 350); rays through points 1000 pixels out, screen y growing downwards.
    const struct {
        int x3, y3, x4, y4;
        int start, span;  // sixteenths of a degree
    } cases[] = {
        {1350, 350, 350, -650, 0, 90 * 16},           // 3 o'clock to 12 o'clock
        {350, -650, -650, 350, 90 * 16, 90 * 16},     // 12 to 9 o'clock
        {-650, 350, 350, 1350, 180 * 16, 90 * 16},    // 9 to 6 o'clock
        {350, 1350, 1350, 350, 270 * 16, 90 * 16},    // 6 back to 3 o'clock
        {1057, 1057, 1057, -357, 315 * 16, 90 * 16},  // crosses 0 degrees
        {1350, 351, 1350, 349, 5759, 2},              // a sliver just across 0 degrees
        {1350, 350, 1350, 350, 0, 360 * 16},          // both rays alike: the whole ellipse
        {350, -650, 1350, 350, 90 * 16, 270 * 16},    // counter-clockwise the long way round
    };
    for (const auto& c : cases) {
        const PieAngles angles = pieAnglesFromRays(350.0, 350.0, c.x3, c.y3, c.x4, c.y4);
        EXPECT_EQ(angles.start, c.start) << c.x3 << ',' << c.y3 << " -> " << c.x4 << ',' << c.y4;
        EXPECT_EQ(angles.span, c.span) << c.x3 << ',' << c.y3 << " -> " << c.x4 << ',' << c.y4;
    }
}

TEST(PieAngles, SixtyFourSectorsTileTheCircle) {
    // The rays of the 64-word disk, rounded to whole pixels, still give spans of 5.625 degrees
    // to within a sixteenth and add up to one full turn.
    int total = 0;
    int fromX = 1350;
    int fromY = 350;
    for (int j = 1; j <= 64; ++j) {
        const double angle = j * 2 * 3.14159265358979323846 / 64;
        const int toX = 350 + static_cast<int>(std::lround(1000 * std::cos(angle)));
        const int toY = 350 - static_cast<int>(std::lround(1000 * std::sin(angle)));
        const PieAngles angles = pieAnglesFromRays(350.0, 350.0, fromX, fromY, toX, toY);
        EXPECT_NEAR(angles.span, 90, 1) << j;
        total += angles.span;
        fromX = toX;
        fromY = toY;
    }
    EXPECT_EQ(total, 360 * 16);
}

}  // namespace
