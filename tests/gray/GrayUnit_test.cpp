// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/GrayUnit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "gray/grayWindow.h"
#include "tests/support/standInWindow.h"

namespace {

int differingCharacters(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
}

TEST(TGray, WorkedValuesOfTheConstruction) {
    const struct {
        std::int32_t n, bitCount, fullCount, lowEnd, highStart;
    } cases[] = {
        {2, 1, 2, 0, 1},     {4, 2, 4, 2, 3},     {6, 3, 8, 4, 7},     {8, 3, 8, 5, 6},
        {10, 4, 16, 8, 15},  {12, 4, 16, 9, 14},  {14, 4, 16, 10, 13}, {16, 4, 16, 11, 12},
        {18, 5, 32, 16, 31}, {20, 5, 32, 17, 30}, {24, 5, 32, 19, 28}, {30, 5, 32, 22, 25},
        {32, 5, 32, 23, 24}, {34, 6, 64, 32, 63}, {48, 6, 64, 39, 56}, {62, 6, 64, 46, 49},
        {64, 6, 64, 47, 48},
    };
    for (const auto& c : cases) {
        StandInWindow window;
        TGray gray(c.n);
        gray.generate();
        EXPECT_EQ(gray.codeCount(), c.n);
        EXPECT_EQ(gray.bitCount(), c.bitCount) << c.n;
        EXPECT_EQ(gray.fullCount(), c.fullCount) << c.n;
        EXPECT_EQ(gray.lowEnd(), c.lowEnd) << c.n;
        EXPECT_EQ(gray.highStart(), c.highStart) << c.n;
    }
}

TEST(TGray, ListingsOfSmallCodes) {
    const struct {
        std::int32_t n;
        std::vector<std::string> words;
    } cases[] = {
        {2, {"0", "1"}},
        {4, {"00", "01", "11", "10"}},
        {6, {"000", "001", "011", "010", "110", "100"}},
        {10, {"0000", "0001", "0011", "0010", "0110", "0111", "0101", "0100", "1100", "1000"}},
        {12,
         {"0000", "0001", "0011", "0010", "0110", "0111", "0101", "0100", "1100", "1101", "1001",
          "1000"}},
    };
    for (const auto& c : cases) {
        StandInWindow window;
        TGray gray(c.n);
        gray.generate();
        EXPECT_EQ(window.lines, c.words) << c.n;
    }
}

TEST(TGray, EveryEvenCountClosesIntoACycle) {
    for (std::int32_t n = 2; n <= 64; n += 2) {
        SCOPED_TRACE(n);
        StandInWindow window;
        TGray gray(n);
        gray.generate();
        const std::vector<std::string>& lines = window.lines;
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(n));
        const auto k = static_cast<std::size_t>(gray.bitCount());
        EXPECT_EQ(lines.front(), std::string(k, '0'));
        EXPECT_EQ(lines.back(), "1" + std::string(k - 1, '0'));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(differingCharacters(lines[i], lines[(i + 1) % lines.size()]), 1) << i;
        }
        std::vector<std::string> sorted = lines;
        std::ranges::sort(sorted);
        EXPECT_EQ(std::ranges::adjacent_find(sorted), sorted.end()) << "words repeat";

        // The removed block is centred in the upper half and as long as the words missing.
        EXPECT_EQ(gray.highStart() - gray.lowEnd() - 1, gray.fullCount() - n);
        EXPECT_EQ(gray.lowEnd() + gray.highStart(), n == 2 ? 1 : 3 * gray.fullCount() / 2 - 1);

        // The list holds the same words as the listing, in the same order.
        TListe& codes = gray.codes();
        ASSERT_EQ(codes.length(), n);
        for (std::int32_t i = 0; i < n; ++i) {
            TBase* code = codes.elementAt(i);
            ASSERT_EQ(code->className(), "TCode");
            EXPECT_EQ(static_cast<TCode*>(code)->text(), lines[static_cast<std::size_t>(i)]);
        }
    }
}

TEST(TGray, LargestCountFillsTheListWithoutRefusal) {
    StandInWindow window;
    TGray gray(TGray::kMaxCodeCount);
    gray.generate();
    EXPECT_EQ(gray.bitCount(), 16);
    EXPECT_EQ(gray.codes().length(), TGray::kMaxCodeCount);
    ASSERT_EQ(window.lines.size(), static_cast<std::size_t>(TGray::kMaxCodeCount));
    EXPECT_EQ(differingCharacters(window.lines.back(), window.lines.front()), 1);
}

TEST(TGray, ConstructionComputesNothing) {
    TGray gray(10);
    EXPECT_EQ(gray.codeCount(), 10);
    EXPECT_EQ(gray.bitCount(), 0);
    EXPECT_EQ(gray.fullCount(), 0);
    EXPECT_EQ(gray.lowEnd(), 0);
    EXPECT_EQ(gray.highStart(), 0);
    EXPECT_TRUE(gray.codes().empty());
}

TEST(TGray, RejectsCountsThatCannotCloseACycle) {
    StandInWindow window;
    for (std::int32_t n : {-2, 0, 1, 3, 5, 63, 65535, 65536, INT32_MIN, INT32_MAX}) {
        EXPECT_THROW(TGray{n}, std::invalid_argument) << n;
    }
    EXPECT_TRUE(window.lines.empty());
}

TEST(TGray, BitsNeededIsTheSmallestSufficientPower) {
    const struct {
        std::int32_t n, bits;
    } cases[] = {{1, 0},  {2, 1},      {3, 2},      {4, 2},     {5, 3},  {8, 3},
                 {9, 4},  {16, 4},     {17, 5},     {32, 5},    {33, 6}, {64, 6},
                 {65, 7}, {65534, 16}, {65536, 16}, {65537, 17}};
    for (const auto& c : cases) EXPECT_EQ(TGray::bitsNeeded(c.n), c.bits) << c.n;
    EXPECT_THROW(TGray::bitsNeeded(0), std::invalid_argument);
    EXPECT_THROW(TGray::bitsNeeded(-4), std::invalid_argument);
}

TEST(TGray, DualStringPadsButNeverCuts) {
    StandInWindow window;
    TGray gray(10);
    gray.generate();
    ASSERT_EQ(gray.bitCount(), 4);
    EXPECT_EQ(gray.dualString(0), "0000");
    EXPECT_EQ(gray.dualString(5), "0101");
    EXPECT_EQ(gray.dualString(15), "1111");
    EXPECT_EQ(gray.dualString(16), "10000");
    EXPECT_EQ(gray.dualString(300), "100101100");
    EXPECT_EQ(gray.dualString(-3), "0000");
}

TEST(TCode, IsATextOfItsOwnClass) {
    TCode code("110");
    TString text("110");
    EXPECT_EQ(code.className(), "TCode");
    EXPECT_EQ(code.compare(&text), 2);
    EXPECT_EQ(text.compare(&code), 2);
    TCode same("110");
    TCode greater("111");
    EXPECT_EQ(code.compare(&same), 0);
    EXPECT_EQ(code.compare(&greater), -1);

    std::unique_ptr<TBase> copied = code.copy();
    EXPECT_EQ(copied->className(), "TString");
    EXPECT_EQ(copied->compare(&code), 2);
    EXPECT_EQ(copied->compare(&text), 0);
}

TEST(TCode, WriteValueAppendsOneListingLine) {
    StandInWindow window;
    TCode("0101").writeValue();
    TCode("").writeValue();
    EXPECT_EQ(window.lines, (std::vector<std::string>{"0101", ""}));
}

TEST(TCode, WriteValueWithoutAWindowFailsLoudly) {
    ASSERT_EQ(GrayWindow, nullptr);
    EXPECT_THROW(TCode("1").writeValue(), std::logic_error);
}

}  // namespace
