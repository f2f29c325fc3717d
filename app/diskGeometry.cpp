#include "app/diskGeometry.h"

#include <cmath>
#include <numbers>

TDiskGeometry::TDiskGeometry(int width, int bits, int sectors)
    : m_centre(width / 2), m_ringWidth(width / (2 * bits + 2)), m_bits(bits), m_sectors(sectors) {}

double TDiskGeometry::outerRadiusOfBit(int bit) const { return m_centre - bit * m_ringWidth; }

double TDiskGeometry::angleDegrees(int boundary) const { return 360.0 * boundary / m_sectors; }

QPointF TDiskGeometry::pointAt(double radius, double degrees) const {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {m_centre + radius * std::cos(radians), m_centre - radius * std::sin(radians)};
}

std::optional<int> TDiskGeometry::sectorAt(QPointF point) const {
    const double dx = point.x() - m_centre;
    const double dy = m_centre - point.y();
    const double radius = std::hypot(dx, dy);
    if (radius > outerRadiusOfBit(0) || radius < outerRadiusOfBit(m_bits)) return std::nullopt;
    double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
    if (degrees < 0) degrees += 360.0;
    return std::min(static_cast<int>(degrees / 360.0 * m_sectors), m_sectors - 1);
}

QPainterPath TDiskGeometry::sectorOutline(int sector) const {
    return wedge(angleDegrees(sector), angleDegrees(1));
}

QPainterPath TDiskGeometry::wedge(double fromDegrees, double spanDegrees) const {
    const double outer = outerRadiusOfBit(0);
    const double inner = outerRadiusOfBit(m_bits);
    const QRectF outerBox(m_centre - outer, m_centre - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(m_centre - inner, m_centre - inner, 2 * inner, 2 * inner);
    QPainterPath outline;
    outline.arcMoveTo(outerBox, fromDegrees);
    outline.arcTo(outerBox, fromDegrees, spanDegrees);
    outline.arcTo(innerBox, fromDegrees + spanDegrees, -spanDegrees);
    outline.closeSubpath();
    return outline;
}

std::pair<QPointF, QPointF> TDiskGeometry::boundaryInRing(int sector, int bit) const {
    const double degrees = angleDegrees(sector + 1);
    return {pointAt(outerRadiusOfBit(bit), degrees), pointAt(outerRadiusOfBit(bit + 1), degrees)};
}
