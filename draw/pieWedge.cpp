// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/pieWedge.h"

#include <cmath>
#include <numbers>

namespace {

// The direction of (x, y) seen from the centre, in [0, 360). Screen y grows downwards, so it is
// negated to count counter-clockwise on screen.
double rayDegrees(double centreX, double centreY, std::int32_t x, std::int32_t y) {
    const double degrees = std::atan2(centreY - y, x - centreX) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

}  // namespace

TPieWedge pieWedge(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                   std::int32_t x3, std::int32_t y3, std::int32_t x4, std::int32_t y4) {
    const double centreX = (x1 + x2) / 2.0;
    const double centreY = (y1 + y2) / 2.0;
    const double start = rayDegrees(centreX, centreY, x3, y3);
    double end = rayDegrees(centreX, centreY, x4, y4);
    if (end <= start) end += 360;
    return {centreX, centreY, start, end};
}
