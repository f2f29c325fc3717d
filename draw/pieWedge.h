// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Where a Windows GDI pie runs: the wedge of the ellipse inscribed in the box (x1, y1)-(x2, y2)
// from the ray through (x3, y3) counter-clockwise on screen to the ray through (x4, y4), both
// rays starting at the box's centre. Every canvas draws its pies from this, so that they all
// agree on the angles and on equal rays, for which GDI draws the whole ellipse.
struct TPieWedge {
    double centreX;
    double centreY;
    // Degrees counter-clockwise on screen from 3 o'clock: startDegrees in [0, 360), and
    // startDegrees < endDegrees <= startDegrees + 360, a full turn for equal rays.
    double startDegrees;
    double endDegrees;
};

TPieWedge pieWedge(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4);
