// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/pieAngles.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kFullTurn = 360 * 16;

// Direction of (x, y) seen from the centre, in sixteenths of a degree, 0 .. kFullTurn - 1.
// Screen y grows downwards, so it is negated to count counter-clockwise on screen.
int rayAngle(double centreX, double centreY, int x, int y) {
    const double radians = std::atan2(centreY - y, x - centreX);
    const int sixteenths = static_cast<int>(std::lround(radians * 180.0 * 16.0 / std::numbers::pi));
    return (sixteenths % kFullTurn + kFullTurn) % kFullTurn;
}

}  // namespace

PieAngles pieAnglesFromRays(double centreX, double centreY, int x3, int y3, int x4, int y4) {
    const int start = rayAngle(centreX, centreY, x3, y3);
    const int end = rayAngle(centreX, centreY, x4, y4);
    int span = end - start;
    if (span <= 0) span += kFullTurn;
    return {start, span};
}
