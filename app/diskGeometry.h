// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <optional>

#include "gray/diskLayout.h"
#include "lesson/sectorMark.h"

class QPainter;

// The outline of the ring between innerRadius and outerRadius around (centre, centre) from
// fromDegrees counter-clockwise to toDegrees.
QPainterPath ringStretch(double centre, double outerRadius, double innerRadius, double fromDegrees,
                         double toDegrees);
// Draws mark over a disk, as an image control's overlay: its outline and its change stretches.
std::function<void(QPainter&)> markOverlay(const TSectorMark& mark);

// The code disk's rings and sectors (TDiskLayout) as Qt shapes.
class TDiskGeometry {
public:
    TDiskGeometry(int width, int bits, int sectors);

    // The sector under point, or nothing outside the rings.
    std::optional<int> sectorAt(QPointF point) const;
    // The outline across all rings of the stretch from fromDegrees counter-clockwise to
    // toDegrees.
    QPainterPath wedge(double fromDegrees, double toDegrees) const;

private:
    TDiskLayout m_layout;
    int m_bits;
};
