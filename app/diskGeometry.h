// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <optional>

#include "gray/diskLayout.h"

// The code disk's rings and sectors (TDiskLayout) as Qt shapes.
class TDiskGeometry {
public:
    TDiskGeometry(int width, int bits, int sectors);

    // The sector under point, or nothing outside the rings.
    std::optional<int> sectorAt(QPointF point) const;
    // The outline of a sector across all rings.
    QPainterPath sectorOutline(int sector) const;
    // The outline across all rings of the stretch from fromDegrees counter-clockwise over
    // spanDegrees.
    QPainterPath wedge(double fromDegrees, double spanDegrees) const;
    // The stretch of the boundary after sector that crosses the ring of bit.
    std::pair<QPointF, QPointF> boundaryInRing(int sector, int bit) const;

    // The distance from the centre of the outer edge of bit's ring; bit = bits is the centre
    // disc's edge.
    double outerRadiusOfBit(int bit) const;
    // The point at radius from the centre in the direction degrees counter-clockwise from
    // 3 o'clock.
    QPointF pointAt(double radius, double degrees) const;

private:
    TDiskLayout m_layout;
    int m_bits;
};
