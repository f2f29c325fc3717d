// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gray/diskLayout.h"
#include "lib/colors.h"

// The selected word's mark on a disk of width pixels: the sector's outline across all rings,
// and in every ring whose bit changes towards the next word of the cycle the stretch of the
// boundary between the two, turned with its ring. Angles in radians, counter-clockwise on
// screen from 3 o'clock; line widths scale with the disk.
struct TSectorMark {
    double centre;
    double outerRadius;
    double innerRadius;
    double startAngle;
    double endAngle;
    std::vector<std::pair<TDiskLayout::TPoint, TDiskLayout::TPoint>> changes;
    double outlineWidth;
    double changeWidth;
    TColor color;
};

// The mark of sector word on the disk of words, ring i + 1 turned by ringOffsetsDegrees[i]
// (empty: none turned), as readAt lays them out.
TSectorMark sectorMark(std::int32_t width, const std::vector<std::string>& words,
                       const std::vector<double>& ringOffsetsDegrees, std::int32_t word);
