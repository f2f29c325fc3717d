// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "maker/diskSettings.h"

// The words on a disk, sector by sector counter-clockwise from 3 o'clock, most significant bit
// first; ring 1, the outermost, carries bit 0 (the last character).
struct TDiskWords {
    std::int32_t bits;
    std::vector<std::string> words;
    // Where the code lies in the full reflected code of 2^bits words: the first sector's word
    // is that of this index, for the excess cut e = (2^bits - n) / 2.
    std::int32_t excess;
};

// The words of settings' count and code: the Zyklora cut as the table makes it, or the excess
// cut, whose sector p holds the full code's word of index e + p.
TDiskWords diskWords(TCodeCount count, TDiskCode code);

// The decoder's table: for every word read as a binary number (ring 1 giving bit 0), its
// 1-based position on the disk, or 0 for the 2^bits - n words that are not on it.
std::vector<std::int32_t> positionTable(const TDiskWords& disk);
