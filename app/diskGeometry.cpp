// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/diskGeometry.h"

#include <numbers>

namespace {

QPointF toQt(TDiskLayout::TPoint point) { return {point.x, point.y}; }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

TDiskGeometry::TDiskGeometry(int width, int bits, int sectors)
    : m_layout(width, bits, sectors), m_bits(bits) {}

std::optional<int> TDiskGeometry::sectorAt(QPointF point) const {
    return m_layout.sectorAt(point.x(), point.y());
}

QPainterPath TDiskGeometry::sectorOutline(int sector) const {
    const double start = degrees(m_layout.boundaryAngle(sector));
    return wedge(start, degrees(m_layout.boundaryAngle(sector + 1)) - start);
}

QPainterPath TDiskGeometry::wedge(double fromDegrees, double spanDegrees) const {
    const double centre = m_layout.centre();
    const double outer = outerRadiusOfBit(0);
    const double inner = outerRadiusOfBit(m_bits);
    const QRectF outerBox(centre - outer, centre - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre - inner, centre - inner, 2 * inner, 2 * inner);
    QPainterPath outline;
    outline.arcMoveTo(outerBox, fromDegrees);
    outline.arcTo(outerBox, fromDegrees, spanDegrees);
    outline.arcTo(innerBox, fromDegrees + spanDegrees, -spanDegrees);
    outline.closeSubpath();
    return outline;
}

double TDiskGeometry::outerRadiusOfBit(int bit) const { return m_layout.outerRadiusOfBit(bit); }

QPointF TDiskGeometry::pointAt(double radius, double degreesFrom3) const {
    return toQt(m_layout.pointAt(radius, degreesFrom3 * std::numbers::pi / 180.0));
}

std::pair<QPointF, QPointF> TDiskGeometry::boundaryInRing(int sector, int bit) const {
    const auto [outer, inner] = m_layout.boundaryInRing(sector, bit);
    return {toQt(outer), toQt(inner)};
}
