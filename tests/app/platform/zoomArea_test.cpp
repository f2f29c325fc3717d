// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/zoomArea.h"

#include <gtest/gtest.h>

namespace {

TEST(ZoomSteps, StepWithinFiftyToThreeHundredPercent) {
    const std::tuple<double, int, double> cases[] = {
        {1.0, 1, 1.1},   {1.0, -1, 0.9}, {0.86, 1, 0.9}, {0.86, -1, 0.8},
        {0.8, -1, 0.75}, {3.0, 1, 3.0},  {0.5, -1, 0.5}, {2.0, 1, 2.5}};
    for (const auto& [zoom, direction, expected] : cases) {
        EXPECT_DOUBLE_EQ(nextZoomStep(zoom, direction), expected) << zoom << " " << direction;
    }
}

TEST(ZoomSteps, FittingZoomIsTheLargestWholePercentThatFits) {
    const QSize designed(1000, 800);
    const QMargins frame(0, 30, 0, 0);
    const std::tuple<QSize, double, double> cases[] = {
        {{2000, 2000}, 1.0, 1.0},                             // fits: the wanted zoom stays
        {{2000, 2000}, 2.0, 2.0}, {{2000, 1000}, 2.0, 1.21},  // (1000 - 30) / 800, rounded down
        {{900, 1000}, 1.0, 0.9},  {{300, 300}, 1.0, 0.5},     // never below the smallest step
    };
    for (const auto& [available, wanted, expected] : cases) {
        EXPECT_DOUBLE_EQ(fittingZoom(designed, frame, available, wanted), expected)
            << available.width() << "x" << available.height();
    }
}

}  // namespace
