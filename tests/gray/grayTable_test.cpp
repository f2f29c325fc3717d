// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/grayTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "gray/GrayUnit.h"
#include "gray/diskLayout.h"
#include "tests/support/countCases.h"
#include "tests/support/standInWindow.h"

namespace {

TEST(GrayTable, OkRaisesOddCountsAndClampsIntoTheField) {
    const std::pair<std::int64_t, std::int32_t> cases[] = {
        {10, 10}, {11, 12}, {3, 4}, {-7, 4}, {0, 4}, {63, 64}, {65, 64}, {1LL << 40, 64}};
    for (const auto& [typed, shown] : cases) EXPECT_EQ(shownCount(typed), shown) << typed;
}

// The shared table: what a field's text stands for, and what OK then builds.
TEST(GrayTable, FieldTextReadsAsTheWindowReadsIt) {
    const std::vector<TCountCase> cases = countCases();
    ASSERT_GE(cases.size(), 20u);
    for (const TCountCase& c : cases) {
        EXPECT_EQ(typedCount(c.text), c.read) << '"' << c.text << '"';
        EXPECT_EQ(shownCount(typedCount(c.text)), c.built) << '"' << c.text << '"';
    }
}

TEST(GrayTable, RowsMarkExactlyTheDroppedWords) {
    StandInWindow window;
    TGray gray(10);  // drops indices 9..14 of 16
    gray.generate();
    const std::vector<TTableRow> rows = tableRows(gray.cycle());
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[13], (TTableRow{"13", "1101", "0110", "1011", "*"}));
    EXPECT_EQ(rows[15], (TTableRow{"15", "1111", "0111", "1000", ""}));
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(rows[i][4] == "*", i >= 9 && i <= 14) << i;

    const std::string text = tableText(gray.cycle());
    EXPECT_TRUE(text.starts_with("Nummer\tDualzahl\tRechts-Shift\tXOR\tEntfernen\n0\t0000\t"));
    EXPECT_TRUE(text.ends_with("\n15\t1111\t0111\t1000\t\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 17);
}

// A 700-pixel disk of 4 bits: rings 70 wide, from radius 350 down to the inner disc at 70.
TEST(DiskLayout, SectorAtFindsTheRingsAndSectors) {
    const TDiskLayout layout(700, 4, 10);
    const auto at = [&layout](double radius, double degrees) {
        const auto point = layout.pointAt(radius, degrees * std::numbers::pi / 180);
        return layout.sectorAt(point.x, point.y);
    };
    EXPECT_EQ(at(349, 1), 0);
    EXPECT_EQ(at(71, 35), 0);
    EXPECT_EQ(at(200, 37), 1);
    EXPECT_EQ(at(200, 359), 9);
    EXPECT_EQ(at(351, 10), std::nullopt);
    EXPECT_EQ(at(69, 10), std::nullopt);
    const auto [outer, inner] = layout.boundaryInRing(2, 1);  // at 108 degrees, radii 280, 210
    EXPECT_NEAR(outer.x, 350 + 280 * std::cos(0.6 * std::numbers::pi), 1e-9);
    EXPECT_NEAR(inner.y, 350 - 210 * std::sin(0.6 * std::numbers::pi), 1e-9);
}

}  // namespace
