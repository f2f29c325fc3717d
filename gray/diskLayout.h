// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

// The disk's designed size: 700 x 700 pixels in the main window at 100 %. What is drawn over
// the disk is designed at this size and scaled with it, and saved drawings have it.
inline constexpr std::int32_t kDesignedDiskSize = 700;

// Where the code disk's rings and sectors lie on an image of width x width pixels, as paintDisk
// draws them: rings of width div (2 * bits + 2) from the outside in (bit 0 outermost), sectors
// counter-clockwise from 3 o'clock. Angles are in radians, counter-clockwise on screen.
class TDiskLayout {
public:
    struct TPoint {
        double x;
        double y;
    };

    TDiskLayout(std::int32_t width, std::int32_t bits, std::int32_t sectors);

    // The sector under (x, y), or nothing outside the rings.
    std::optional<std::int32_t> sectorAt(double x, double y) const;
    // The radius at which the ring of bit begins; bit = bits gives the inner disc's radius.
    double outerRadiusOfBit(std::int32_t bit) const { return m_centre - bit * m_ringWidth; }
    // The direction of the boundary before sector (boundary sectors is 3 o'clock again).
    double boundaryAngle(std::int32_t boundary) const;
    TPoint pointAt(double radius, double angle) const;
    // The stretch of the boundary after sector that crosses the ring of bit, outside first,
    // with that ring turned counter-clockwise by turn radians.
    std::pair<TPoint, TPoint> boundaryInRing(std::int32_t sector, std::int32_t bit,
                                             double turn = 0) const;
    double centre() const { return m_centre; }

private:
    double m_centre;
    double m_ringWidth;
    std::int32_t m_bits;
    std::int32_t m_sectors;
};
