// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The read head lives in three files. Here: what a head reads, as functions of the words, the
// angle and the rings' offsets, without texts or state. readHeadPanel.h: what the panel says
// and the head's shape. shownDisk.h: one head's state and the disk it lies on.
//
// A read head over a code disk: one sensor per ring along one radius, as in a rotary encoder.
// The disk is laid out as paintDisk draws it: n equal sectors counter-clockwise from 3 o'clock,
// sector j holding word j; character c of a word (0 = most significant) lies on ring k - c
// counted from the outside, so ring 1 carries the least significant bit.
//
// ringOffsetsDegrees[i] turns ring i + 1 (0 = the outermost) by that many degrees
// counter-clockwise, as a track that sits off on a real disk; only that ring's sensor sees it.
// An empty vector means no offsets; otherwise it has one entry per ring. Words must be
// non-empty and of one length; std::invalid_argument otherwise.

// The word the sensors read with the head at angleDegrees (taken modulo 360). An angle on a
// boundary belongs to the sector that starts there; angles within 1e-12 of a sector's width of
// a boundary count as on it, so that boundaries computed as j * 360 / n are met exactly. Just
// below a boundary, 0 degrees included, the sector before it is read. std::invalid_argument for
// a NaN or infinite angle.
std::string readAt(const std::vector<std::string>& words, double angleDegrees,
                   const std::vector<double>& ringOffsetsDegrees);

// One stretch of a turn with one word read and the head over one sector, from fromDegrees
// (included) to toDegrees. A misread is a word that is neither the word of the head's sector
// nor that of a sector bordering it. position is the sector (0-based) whose word was read, or
// -1 for a word of none. A jump is a reading that a controller turning the disk this way cannot
// explain: neither the head's sector nor the one just before it in the direction of turning
// (counter-clockwise, towards higher positions); it catches what a misread misses, such as
// 3 → 5 → 4 on the binary disk, where 5 borders 4.
struct TSweepReading {
    double fromDegrees;
    double toDegrees;
    std::string word;
    bool misread;
    int position;
    bool jump;
};

struct TSweep {
    std::vector<TSweepReading> readings;
    int misreads;
    int jumps;
};

// Turns the head once around from angle 0 to 360: every distinct reading in the order met. The
// stretches end exactly at the sector and offset boundaries; nothing is sampled.
TSweep sweep(const std::vector<std::string>& words, const std::vector<double>& ringOffsetsDegrees);

// 0 .. n - 1 as binary words of the code's bit count (the smallest k with 2^k >= n), for the
// plain binary disk beside the Gray disk. std::invalid_argument for n < 1.
std::vector<std::string> binaryWords(int n);
