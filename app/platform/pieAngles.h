// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's pie angles for a Windows GDI pie: the wedge of the ellipse around (centreX, centreY)
// from the ray through (x3, y3) counter-clockwise on screen to the ray through (x4, y4). Angles
// are in sixteenths of a degree, counter-clockwise from 3 o'clock, as QPainter::drawPie takes
// them; the span is 1 .. 5760, a full turn when both rays point the same way.
struct PieAngles {
    int start;
    int span;
};

PieAngles pieAnglesFromRays(double centreX, double centreY, int x3, int y3, int x4, int y4);
