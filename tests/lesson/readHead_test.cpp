// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/readHead.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/grayCycle.h"
#include "tests/support/standInWindow.h"

namespace {

std::vector<std::string> grayWords(int count) {
    StandInWindow window;
    TGray gray(count);
    gray.generate();
    return gray.cycle().words();
}

TEST(ReadHead, ReadsTheSectorThatStartsAtABoundaryForAnyTurn) {
    const std::vector<std::string> ten = grayWords(10);  // sectors of 36 degrees
    const std::vector<std::string> fourteen = grayWords(14);
    const struct {
        const std::vector<std::string>& words;
        double angle;
        std::vector<double> offsets;
        std::string read;
    } cases[] = {
        {ten, 0, {}, "0000"},
        {ten, 36, {}, "0001"},
        {ten, 35.999, {}, "0000"},
        {ten, 360, {}, "0000"},
        {ten, 396, {}, "0001"},
        {ten, 720 + 3 * 36, {}, "0010"},
        {ten, -36, {}, "1000"},
        {ten, -0.001, {}, "1000"},
        // A billionth of a degree below a boundary, 0 degrees included, is the sector before.
        {ten, -1e-9, {}, "1000"},
        {ten, 36 - 1e-9, {}, "0000"},
        {ten, 360 - 1e-9, {}, "1000"},
        {fourteen, 3 * 360.0 / 14 - 1e-9, {}, fourteen[2]},
        {ten, -360 - 36 * 8, {}, "0011"},
        {fourteen, 3 * 360.0 / 14, {}, fourteen[3]},
        {fourteen, 13 * 360.0 / 14, {}, fourteen[13]},
        // The outermost ring turned 5 degrees on shows sector 0's last bit until 41 degrees.
        {ten, 40, {5, 0, 0, 0}, "0000"},
        {ten, 41, {5, 0, 0, 0}, "0001"},
        // The innermost turned back by 10 shows sector 8's first bit from 278 degrees on.
        {ten, 278, {0, 0, 0, -10}, "1100"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readAt(c.words, c.angle, c.offsets), c.read) << c.angle;
    }
    EXPECT_THROW(readAt(ten, 0, {1, 2}), std::invalid_argument);
    EXPECT_THROW(readAt(ten, std::nan(""), {}), std::invalid_argument);
    EXPECT_THROW(readAt(ten, -HUGE_VAL, {}), std::invalid_argument);
    EXPECT_THROW(readAt({}, 0, {}), std::invalid_argument);
    EXPECT_THROW(readAt({"01", "1"}, 0, {}), std::invalid_argument);
}

TEST(ReadHead, GrayDiskNeverMisreadsWithOffsetsBelowHalfASector) {
    const double fractions[] = {-0.499, -0.3, -0.05, 0, 0.01, 0.25, 0.499};
    for (int count = 4; count <= 64; count += 2) {
        const std::vector<std::string> words = grayWords(count);
        const std::size_t rings = words.front().size();
        const double width = 360.0 / count;
        std::vector<std::vector<double>> grid;
        // One ring alone, and every pair of offsets on the odd and even rings.
        for (std::size_t ring = 0; ring < rings; ++ring) {
            for (double fraction : fractions) {
                grid.emplace_back(rings, 0.0)[ring] = fraction * width;
            }
        }
        for (double even : fractions) {
            for (double odd : fractions) {
                auto& offsets = grid.emplace_back();
                for (std::size_t ring = 0; ring < rings; ++ring) {
                    offsets.push_back((ring % 2 ? odd : even) * width);
                }
            }
        }
        for (const auto& offsets : grid) {
            const TSweep turn = sweep(words, offsets);
            ASSERT_EQ(turn.misreads, 0) << count << " rings offset " << offsets.front();
            // The readings cover the turn without gaps, and each holds its word to both ends.
            double reached = 0;
            for (const TSweepReading& reading : turn.readings) {
                ASSERT_EQ(reading.fromDegrees, reached) << count;
                ASSERT_FALSE(reading.misread);
                reached = reading.toDegrees;
                const double inset = (reading.toDegrees - reading.fromDegrees) * 1e-6;
                ASSERT_EQ(readAt(words, reading.fromDegrees + inset, offsets), reading.word);
                ASSERT_EQ(readAt(words, reading.toDegrees - inset, offsets), reading.word);
            }
            ASSERT_EQ(reached, 360.0);
        }
    }
}

TEST(ReadHead, BinaryDiskWithTheInnerRingAQuarterSectorOnMisreadsAtItsFlips) {
    const std::vector<std::string> words = binaryWords(16);
    ASSERT_EQ(words[7], "0111");
    ASSERT_EQ(words[8], "1000");
    // Sectors of 22.5 degrees; the innermost ring (first bit) turned on by 5.625. From 180 the
    // outer three rings show sector 8's 000, the inner ring still sector 7's 0 until 185.625.
    const TSweep turn = sweep(words, {0, 0, 0, 5.625});
    const auto at = std::find_if(turn.readings.begin(), turn.readings.end(),
                                 [](const TSweepReading& r) { return r.toDegrees == 180; });
    ASSERT_NE(at, turn.readings.end());
    const struct {
        double from, to;
        const char* word;
        bool misread;
    } expected[] = {
        {157.5, 180, "0111", false}, {180, 185.625, "0000", true}, {185.625, 202.5, "1000", false}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        ASSERT_LT(at + static_cast<std::ptrdiff_t>(i), turn.readings.end());
        const TSweepReading& r = at[static_cast<std::ptrdiff_t>(i)];
        EXPECT_EQ(r.fromDegrees, expected[i].from);
        EXPECT_EQ(r.toDegrees, expected[i].to);
        EXPECT_EQ(r.word, expected[i].word);
        EXPECT_EQ(r.misread, expected[i].misread);
    }
    // The other flip of the first bit: 1000 at 0 .. 5.625, where 0000 and its neighbours lie.
    EXPECT_EQ(turn.readings.front().word, "1000");
    EXPECT_TRUE(turn.readings.front().misread);
    EXPECT_EQ(turn.misreads, 2);
    EXPECT_EQ(sweep(words, {}).misreads, 0);
    EXPECT_EQ(binaryWords(6), (std::vector<std::string>{"000", "001", "010", "011", "100", "101"}));
}

TEST(ReadHead, ATurnedRingIsDrawnTurned) {
    StandInWindow window;
    paintDisk(window.canvas, binaryWords(4), {90, 0});
    const std::vector<std::string>& calls = window.canvas.calls;
    // Ring 1 starts at 12 o'clock with word 00, ring 2 at 3 o'clock as ever.
    EXPECT_EQ(calls[4], "pie 0 0 700 700 350 -650 -650 350");
    EXPECT_EQ(calls[12], "pie 116 116 584 584 700 350 350 -650");
}

// The jumps of a turn against a model that samples the turn finely and reads each ring by its
// own arithmetic: for n = 6, 10 and 16, every ring and offsets below half a sector, both disks.
// The Gray disk never jumps; the binary disk does, also where no reading is a misread.
TEST(ReadHead, JumpsMatchASampledTurnAndTheGrayDiskNeverJumps) {
    for (const int n : {6, 10, 16}) {
        const std::vector<std::string> grayWords = TGrayCycle::of(*TCodeCount::of(n)).words();
        const std::size_t rings = grayWords.front().size();
        const double width = 360.0 / n;
        for (const std::vector<std::string>& words : {grayWords, binaryWords(n)}) {
            for (std::size_t ring = 0; ring < rings; ++ring) {
                for (const double share : {0.1, 0.25, 0.45}) {
                    std::vector<double> offsets(rings, 0.0);
                    offsets[ring] = share * width;
                    // The model: a new reading where the head's sector or the word changes.
                    int jumps = 0;
                    int lastHead = -1;
                    std::string lastWord;
                    constexpr int kSamples = 200000;
                    for (int i = 0; i < kSamples; ++i) {
                        const double angle = (i + 0.5) * 360.0 / kSamples;
                        const int head = static_cast<int>(angle / width);
                        std::string word(rings, '0');
                        for (std::size_t r = 0; r < rings; ++r) {
                            const double turned = angle - offsets[r] + 360.0;
                            const auto sector = static_cast<std::size_t>(turned / width) %
                                                static_cast<std::size_t>(n);
                            word[rings - 1 - r] = words[sector][rings - 1 - r];
                        }
                        if (head == lastHead && word == lastWord) continue;
                        lastHead = head;
                        lastWord = word;
                        const auto read = std::find(words.begin(), words.end(), word);
                        const int position = read == words.end() ? -1 : int(read - words.begin());
                        jumps += position != head && position != (head + n - 1) % n ? 1 : 0;
                    }
                    const TSweep turn = sweep(words, offsets);
                    EXPECT_EQ(turn.jumps, jumps) << n << " ring " << ring + 1 << " " << share;
                    if (&words == &grayWords) {
                        EXPECT_EQ(turn.jumps, 0) << n << " ring " << ring + 1;
                    }
                }
            }
        }
    }
    // Ring 1 turned on the binary disk of 16: no misread, yet jumps such as 4 → 6 → 5.
    const TSweep binary = sweep(binaryWords(16), {5.625, 0, 0, 0});
    EXPECT_EQ(binary.misreads, 0);
    EXPECT_GT(binary.jumps, 0);
}

}  // namespace
