// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/pieWedge.h"

#include <gtest/gtest.h>

namespace {

TEST(PieWedge, RaysBecomeStartAndCounterClockwiseEnd) {
    // Box 0 .. 700, centre (350, 350); rays through points 1000 pixels out, screen y downwards.
    const struct {
        int x3, y3, x4, y4;
        double start, end;
    } cases[] = {
        {1350, 350, 350, -650, 0, 90},           // 3 o'clock to 12 o'clock
        {350, -650, -650, 350, 90, 180},         // 12 to 9 o'clock
        {350, 1350, 1350, 350, 270, 360},        // 6 back to 3 o'clock
        {1057, 1057, 1057, -357, 315, 405},      // across 0 degrees
        {1350, 350, 1350, 350, 0, 360},          // equal rays: the whole ellipse
        {-650, 350, -650, 350, 180, 540},        // equal rays elsewhere
        {350, -650, 1350, 350, 90, 360},         // counter-clockwise the long way round
        {1350, 351, 1350, 349, 359.94, 360.06},  // a sliver just across 0 degrees
    };
    for (const auto& c : cases) {
        const TPieWedge wedge = pieWedge(0, 0, 700, 700, c.x3, c.y3, c.x4, c.y4);
        EXPECT_DOUBLE_EQ(wedge.centreX, 350);
        EXPECT_NEAR(wedge.startDegrees, c.start, 0.01) << c.x3 << ',' << c.y3;
        EXPECT_NEAR(wedge.endDegrees, c.end, 0.01) << c.x4 << ',' << c.y4;
    }
}

}  // namespace
