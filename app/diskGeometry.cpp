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
    const double centre = m_layout.centre();
    const double outer = m_layout.outerRadiusOfBit(0);
    const double inner = m_layout.outerRadiusOfBit(m_bits);
    const QRectF outerBox(centre - outer, centre - outer, 2 * outer, 2 * outer);
    const QRectF innerBox(centre - inner, centre - inner, 2 * inner, 2 * inner);
    const double start = degrees(m_layout.boundaryAngle(sector));
    const double sweep = degrees(m_layout.boundaryAngle(sector + 1)) - start;
    QPainterPath outline;
    outline.arcMoveTo(outerBox, start);
    outline.arcTo(outerBox, start, sweep);
    outline.arcTo(innerBox, start + sweep, -sweep);
    outline.closeSubpath();
    return outline;
}

std::pair<QPointF, QPointF> TDiskGeometry::boundaryInRing(int sector, int bit) const {
    const auto [outer, inner] = m_layout.boundaryInRing(sector, bit);
    return {toQt(outer), toQt(inner)};
}
