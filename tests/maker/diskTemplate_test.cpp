// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskTemplate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "maker/diskGeometry.h"
#include "tests/support/renderedPdf.h"
#include "tests/support/tempDir.h"

namespace {

// Printed at 1:1, the check bar is 100 mm long and each sensor's mark lies at its ring's middle
// radius and sensor angle from the shaft's centre, the page's centre.
TEST(DiskTemplate, PrintsTrueToSizeWithEachSensorOnItsMark) {
    TempDir dir;
    TDiskSettings settings;
    settings.sensorAngles = {0, 15, 30, 45};
    const std::string pdf = templatePdf(settings);
    writeFile(dir.file("schablone.pdf"), Bytes(pdf.begin(), pdf.end()));
    const TRenderedPage page = renderedPage(dir, dir.file("schablone.pdf"));
    ASSERT_NEAR(page.width, 2100, 1);
    ASSERT_NEAR(page.height, 2970, 1);
    EXPECT_NEAR(page.checkBar().length, 1000, 2);
    for (const TRingBand& band : diskGeometry(settings).rings) {
        const double middle = (band.outer + band.inner) / 2 * 10;
        const double angle = band.turn * std::numbers::pi / 180;
        const int x = static_cast<int>(std::lround(1050 + middle * std::cos(angle)));
        const int y = static_cast<int>(std::lround(1485 - middle * std::sin(angle)));
        // The mark's cross passes through its centre; its ring lies 2 mm around.
        EXPECT_TRUE(page.dark(x, y) || page.dark(x + 1, y) || page.dark(x, y + 1)) << band.turn;
        EXPECT_FALSE(page.dark(x + 10, y + 10)) << band.turn;
    }
    EXPECT_NE(templateSvg(settings).find("width=\"210mm\" height=\"297mm\""), std::string::npos);
}

}  // namespace
