// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TGrayCycle;

// What a lesson says about the cycle: which bit changes from one word to the next, whether the
// words really close into a cycle, and what a sector of the disk shows.

// The position step words on from selected around a cycle of count words (either way, any
// distance); the first word when nothing is selected.
std::int32_t steppedWord(std::optional<std::int32_t> selected, std::int32_t step,
                         std::int32_t count);

// The bit (0 = least significant, the rightmost character) in which two words of equal length
// differ, when they differ in exactly one bit; nothing otherwise.
std::optional<std::int32_t> singleChangedBit(const std::string& from, const std::string& to);

// Checks every pair of neighbours, the last and the first included, and says in German whether
// each differs in exactly one bit: "Zyklisch: alle 10 Übergänge ändern genau ein Bit", or
// which pair breaks the cycle.
struct TCycleCheck {
    bool cyclic;
    std::string text;
};
TCycleCheck checkCycle(const std::vector<std::string>& words);

// Where bit (0 = least significant) of a disk of bits rings lies: bit b on ring b + 1, as in
// "Bit 2 (Ring 3)", "Bit 0 (Ring 1, außen)" or, for the most significant bit, "Bit 3 (Ring 4,
// innen)".
std::string bitAndRing(std::int32_t bit, std::int32_t bits);

// What the disk's sector of the word at position word (0-based) shows, in German, on three
// lines: the word with its position ("Position 9 von 10: 1100", 1-based), its number in the
// full code ("Nummer 8", the table's 0-based index), and the bit and ring that
// change towards the next word of the cycle (the last word's next is the first).
std::string sectorDescription(const TGrayCycle& cycle, std::int32_t word);
