#pragma once

#include <QPainterPath>
#include <QPointF>
#include <optional>

// Where the code disk's rings and sectors lie on an image of width x width pixels, as the
// engine draws them: rings of width div (2 * bits + 2) from the outside in (bit 0 outermost),
// sectors counter-clockwise from 3 o'clock.
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
    double angleDegrees(int boundary) const;

    double m_centre;
    double m_ringWidth;
    int m_bits;
    int m_sectors;
};
