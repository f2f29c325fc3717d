// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskGeometry.h"

TDiskGeometry::TDiskGeometry(int width, int bits, int sectors)
    : m_layout(width, bits, sectors), m_bits(bits) {}

std::optional<int> TDiskGeometry::sectorAt(QPointF point) const {
    return m_layout.sectorAt(point.x(), point.y());
}

QPainterPath TDiskGeometry::wedge(double fromDegrees, double toDegrees) const {
    const double centre = m_layout.centre();
    const double outer = m_layout.outerRadiusOfBit(0);
    const double inner = m_layout.outerRadiusOfBit(m_bits);
    const QRectF outerBox(centre - outer, centre - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre - inner, centre - inner, 2 * inner, 2 * inner);
    const double span = toDegrees - fromDegrees;
    QPainterPath outline;
    outline.arcMoveTo(outerBox, fromDegrees);
    outline.arcTo(outerBox, fromDegrees, span);
    outline.arcTo(innerBox, toDegrees, -span);
    outline.closeSubpath();
    return outline;
}
