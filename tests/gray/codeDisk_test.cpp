// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gray/GrayUnit.h"
#include "tests/support/standInWindow.h"

namespace {

std::vector<std::string> paintedDisk(std::int32_t count, StandInWindow& window) {
    TGray gray(count);
    gray.generate();
    window.canvas.calls.clear();
    gray.paintDisk();
    return window.canvas.calls;
}

TEST(TGrayPaintDisk, FourWordsDrawFrameTwoRingsAndCentreDisc) {
    StandInWindow window;
    const std::vector<std::string> expected = {
        "pen black",
        "brush face",
        "rectangle 0 0 700 700",
        // Ring 1 shows the last bits 0, 1, 1, 0.
        "brush face",
        "pie 0 0 700 700 700 350 350 -650",
        "brush black",
        "pie 0 0 700 700 350 -650 -650 350",
        "brush black",
        "pie 0 0 700 700 -650 350 350 1350",
        "brush face",
        "pie 0 0 700 700 350 1350 1350 350",
        // Ring 2 shows the first bits 0, 0, 1, 1.
        "brush face",
        "pie 116 116 584 584 700 350 350 -650",
        "brush face",
        "pie 116 116 584 584 350 -650 -650 350",
        "brush black",
        "pie 116 116 584 584 -650 350 350 1350",
        "brush black",
        "pie 116 116 584 584 350 1350 1350 350",
        "brush face",
        "ellipse 232 232 468 468",
    };
    EXPECT_EQ(paintedDisk(4, window), expected);
}

TEST(TGrayPaintDisk, RingsAndCentreDiscFollowTheBitCount) {
    const struct {
        std::int32_t count;
        std::int32_t ringWidth;
        std::int32_t bits;
    } cases[] = {{2, 175, 1}, {6, 87, 3}, {10, 70, 4}, {24, 58, 5}, {64, 50, 6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        StandInWindow window;
        const std::vector<std::string> calls = paintedDisk(c.count, window);
        ASSERT_GE(calls.size(), 3u);
        EXPECT_EQ(calls[2], "rectangle 0 0 700 700");  // erases the previous disk first
        const std::int32_t disc = c.bits * c.ringWidth;
        EXPECT_EQ(calls.back(), "ellipse " + std::to_string(disc) + ' ' + std::to_string(disc) +
                                    ' ' + std::to_string(700 - disc) + ' ' +
                                    std::to_string(700 - disc));

        std::vector<std::string> pies;
        std::ranges::copy_if(calls, std::back_inserter(pies),
                             [](const std::string& call) { return call.starts_with("pie "); });
        ASSERT_EQ(pies.size(), static_cast<std::size_t>(c.count * c.bits));
        for (std::int32_t ring = 0; ring < c.bits; ++ring) {
            const std::int32_t inset = ring * c.ringWidth;
            const std::string box = "pie " + std::to_string(inset) + ' ' + std::to_string(inset) +
                                    ' ' + std::to_string(700 - inset) + ' ' +
                                    std::to_string(700 - inset);
            const auto first = static_cast<std::size_t>(ring * c.count);
            const std::string& firstPie = pies[first];
            const std::string& lastPie = pies[first + static_cast<std::size_t>(c.count) - 1];
            EXPECT_EQ(firstPie.substr(0, box.size() + 8), box + " 700 350");  // from 3 o'clock
            EXPECT_TRUE(lastPie.ends_with(" 1350 350")) << lastPie;           // back to it
        }
    }
}

TEST(TGrayPaintDisk, OutermostRingOfTenWordsShowsTheLeastSignificantBits) {
    StandInWindow window;
    const std::vector<std::string> calls = paintedDisk(10, window);
    std::vector<std::string> brushes;
    for (std::size_t i = 3; brushes.size() < 10; i += 2) brushes.push_back(calls[i]);
    const std::string f = "brush face";
    const std::string b = "brush black";
    EXPECT_EQ(brushes, (std::vector<std::string>{f, b, b, f, f, b, b, f, f, f}));
}

}  // namespace
