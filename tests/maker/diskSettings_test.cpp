// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskSettings.h"

#include <gtest/gtest.h>

namespace {

// Both dialogs read the sensor angles so: spaces or semicolons apart, decimal commas, and what
// is no number as 0.
TEST(DiskSettings, SensorAnglesAsTyped) {
    const struct {
        const char* typed;
        std::vector<double> angles;
    } cases[] = {
        {"", {}},
        {"0; 15;30", {0, 15, 30}},
        {"  7,5  12.25\t;", {7.5, 12.25}},
        {"10;zehn;20", {10, 0, 20}},
    };
    for (const auto& c : cases) EXPECT_EQ(sensorAnglesOf(c.typed), c.angles) << c.typed;
}

}  // namespace
