// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/construction.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/grayTable.h"
#include "tests/support/cycleOf.h"
#include "tests/support/standInWindow.h"

namespace {

// The reflected code of 2^bits words from its closed form i XOR (i >> 1).
std::vector<std::string> reflectedCode(int bits) {
    std::vector<std::string> words;
    for (int i = 0; i < (1 << bits); ++i) {
        std::string word;
        for (int bit = bits - 1; bit >= 0; --bit) word += ((i ^ (i >> 1)) >> bit) & 1 ? '1' : '0';
        words.push_back(word);
    }
    return words;
}

// Every even count: the mirrors are the closed-form codes with their new half marked, the
// dropped block is the table's "*" rows, the close is the listing, and every word of the
// listing decodes to its own place.
TEST(Construction, StepsAndDecodingAgreeWithTheTableAndTheListing) {
    for (int n = 4; n <= 64; n += 2) {
        StandInWindow window;
        TGray gray(n);
        gray.generate();
        const std::vector<TConstructionStep> steps = constructionSteps(cycleOf(n));
        const int bits = gray.bitCount();
        ASSERT_EQ(steps.size(), static_cast<std::size_t>(bits + 2)) << n;
        EXPECT_EQ(steps.front().words, (std::vector<std::string>{"0", "1"}));
        for (int k = 2; k <= bits; ++k) {
            const TConstructionStep& mirror = steps[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(mirror.kind, TStepKind::Mirror);
            EXPECT_EQ(mirror.words, reflectedCode(k)) << n << " bits " << k;
            ASSERT_EQ(mirror.marked.size(), std::size_t{1} << (k - 1));
            EXPECT_EQ(mirror.marked.front(), 1 << (k - 1));
            EXPECT_EQ(mirror.marked.back(), (1 << k) - 1);
        }
        const TConstructionStep& drop = steps[steps.size() - 2];
        std::vector<int> starred;
        const std::vector<TTableRow> rows = tableRows(gray.cycle());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i][4] == "*") starred.push_back(static_cast<int>(i));
        }
        EXPECT_EQ(drop.kind, TStepKind::Drop);
        EXPECT_EQ(drop.words, reflectedCode(bits));
        EXPECT_EQ(drop.marked, starred) << n;
        const TConstructionStep& close = steps.back();
        const std::vector<std::string> listing = gray.cycle().words();
        EXPECT_EQ(close.words, listing) << n;
        EXPECT_TRUE(close.marked.empty());
        EXPECT_TRUE(close.text.ends_with(checkCycle(listing).text + ".")) << close.text;

        for (int position = 0; position < n; ++position) {
            const std::string& word = listing[static_cast<std::size_t>(position)];
            const TDecoding decoding = *decodeWord(cycleOf(n), word);
            EXPECT_EQ(decoding.position, position) << n << ' ' << word;
            EXPECT_EQ(decoding.index, gray.cycle().indexOf(position));
            EXPECT_EQ(decoding.binary, gray.dualString(decoding.index));
        }
        for (const int dropped : drop.marked) {
            EXPECT_EQ(decodeWord(cycleOf(n), drop.words[static_cast<std::size_t>(dropped)]),
                      std::nullopt);
        }
    }
}

TEST(Construction, DecodingTakesTheDroppedBlockAwayAboveIt) {
    EXPECT_EQ(decodingText(cycleOf(10), "1100"),
              "1100 → Dualzahl 1000 → Nummer 8 im vollständigen Code → 8 + 1 = Position 9 von "
              "10");
    EXPECT_EQ(decodingText(cycleOf(10), "1000"),
              "1000 → Dualzahl 1111 → Nummer 15 im vollständigen Code → 15 − 6 entfernte Wörter "
              "+ 1 = Position 10 von 10");
    EXPECT_EQ(decodingText(cycleOf(16), "1000"),
              "1000 → Dualzahl 1111 → Nummer 15 im vollständigen Code → 15 + 1 = Position 16 von "
              "16");
}

TEST(Construction, RefusesCountsAndWordsThatAreNoneOfTheCode) {
    for (const int n : {-2, 0, 2, 3, 5, 63, 66}) EXPECT_EQ(TCodeCount::of(n), std::nullopt) << n;
    for (const char* word : {"", "000", "00000", "10x0", "0000 ", "1101"}) {
        EXPECT_EQ(decodeWord(cycleOf(10), word), std::nullopt) << word;
        EXPECT_EQ(decodingText(cycleOf(10), word), "") << word;
    }
}

}  // namespace
