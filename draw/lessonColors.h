// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "lib/colors.h"

// The colours that the lesson tools draw over the disk and use for their verdicts, in the window
// and in the browser page alike.

// The selected word's sector outline and the boundary stretch of its changing ring.
inline constexpr TColor kSelectionMarkColor = rgbColor(220, 0, 0);
// The read head's line and its sensors' rims; red while it misreads.
inline constexpr TColor kHeadColor = rgbColor(0, 90, 210);
inline constexpr TColor kMisreadColor = rgbColor(200, 0, 0);
// The stretches of a turn that misread are tinted with this colour at this opacity (of 255)
// across all rings, so that the disk stays readable underneath.
inline constexpr TColor kMisreadTintColor = rgbColor(230, 0, 0);
inline constexpr std::uint8_t kMisreadTintAlpha = 110;

// The button face of a disk drawn for paper or saved as a file, the same in both editions.
inline constexpr TColor kPaperFace = rgbColor(0xEF, 0xEF, 0xEF);
// The construction view: the rows that a step adds or drops, and the prefix bit that a mirror
// step puts in front, both legible on a projector and against each other.
inline constexpr TColor kStepMarkedRowColor = rgbColor(255, 226, 160);
inline constexpr TColor kPrefixBitColor = rgbColor(0, 110, 0);
