// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/diskLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

// Integer halves and ring widths, as paintDisk computes them.
TDiskLayout::TDiskLayout(std::int32_t width, std::int32_t bits, std::int32_t sectors)
    : m_centre(width / 2), m_ringWidth(width / (2 * bits + 2)), m_bits(bits), m_sectors(sectors) {}

double TDiskLayout::boundaryAngle(std::int32_t boundary) const {
    return 2 * std::numbers::pi * boundary / m_sectors;
}

TDiskLayout::TPoint TDiskLayout::pointAt(double radius, double angle) const {
    return {m_centre + radius * std::cos(angle), m_centre - radius * std::sin(angle)};
}

std::optional<std::int32_t> TDiskLayout::sectorAt(double x, double y) const {
    const double dx = x - m_centre;
    const double dy = m_centre - y;
    const double radius = std::hypot(dx, dy);
    if (radius > outerRadiusOfBit(0) || radius < outerRadiusOfBit(m_bits)) return std::nullopt;
    double angle = std::atan2(dy, dx);
    if (angle < 0) angle += 2 * std::numbers::pi;
    const auto sector = static_cast<std::int32_t>(angle / (2 * std::numbers::pi) * m_sectors);
    return std::min(sector, m_sectors - 1);
}

std::pair<TDiskLayout::TPoint, TDiskLayout::TPoint> TDiskLayout::boundaryInRing(std::int32_t sector,
                                                                                std::int32_t bit,
                                                                                double turn) const {
    const double angle = boundaryAngle(sector + 1) + turn;
    return {pointAt(outerRadiusOfBit(bit), angle), pointAt(outerRadiusOfBit(bit + 1), angle)};
}
