// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskGeometry.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// The guides' mark for a sensor: a small circle at its ring's middle radius.
constexpr double kSensorMarkRadius = 0.5;

TVertex at(double radius, double degrees, double bulge) {
    return {radius * std::cos(degrees * kDegree), radius * std::sin(degrees * kDegree), bulge};
}

double bulgeOf(double degrees) { return std::tan(degrees * kDegree / 4); }

// A full circle as two half arcs.
std::vector<TVertex> circle(double x, double y, double radius) {
    return {{x + radius, y, 1}, {x - radius, y, 1}};
}

// The band between outer and inner from angle from to angle to (counter-clockwise), its radial
// edges moved inwards by offset as a kerf moves them.
std::vector<TVertex> annularSector(double outer, double inner, double from, double to,
                                   double offset) {
    const double outerRadius = outer - offset;
    const double innerRadius = inner + offset;
    const double outerShift = std::asin(offset / outerRadius) / kDegree;
    const double innerShift = std::asin(offset / innerRadius) / kDegree;
    const double outerFrom = from + outerShift;
    const double outerTo = to - outerShift;
    const double innerFrom = from + innerShift;
    const double innerTo = to - innerShift;
    return {at(outerRadius, outerFrom, bulgeOf(outerTo - outerFrom)), at(outerRadius, outerTo, 0),
            at(innerRadius, innerTo, -bulgeOf(innerTo - innerFrom)), at(innerRadius, innerFrom, 0)};
}

}  // namespace

std::vector<TRingBand> ringBands(const TDiskSettings& settings, std::int32_t rings) {
    std::vector<TRingBand> bands;
    for (std::int32_t ring = 0; ring < rings; ++ring) {
        const double outer =
            settings.diameter / 2 - settings.rim - ring * (settings.track + settings.gap);
        const auto index = static_cast<std::size_t>(ring);
        const double turn =
            index < settings.sensorAngles.size() ? settings.sensorAngles[index] : 0.0;
        bands.push_back({outer, outer - settings.track, turn});
    }
    return bands;
}

std::vector<TRun> ringRuns(const std::vector<std::string>& words, std::int32_t ring) {
    const auto sectors = static_cast<std::int32_t>(words.size());
    const auto bitAt = [&](std::int32_t sector) {
        const std::string& word =
            words[static_cast<std::size_t>((sector % sectors + sectors) % sectors)];
        return word[word.size() - static_cast<std::size_t>(ring)];
    };
    // Runs start where the bit differs from the sector before; none does on a uniform ring.
    std::vector<TRun> runs;
    for (std::int32_t sector = 0; sector < sectors; ++sector) {
        if (bitAt(sector) == bitAt(sector - 1)) continue;
        std::int32_t length = 1;
        while (length < sectors && bitAt(sector + length) == bitAt(sector)) ++length;
        runs.push_back({ring, sector, length, bitAt(sector)});
    }
    if (runs.empty()) runs.push_back({ring, 0, sectors, bitAt(0)});
    return runs;
}

TDiskGeometry diskGeometry(const TDiskSettings& settings) {
    TDiskGeometry geometry{diskWords(settings.count, settings.code), settings.diameter / 2, {}, {}};
    const std::int32_t bits = geometry.disk.bits;
    geometry.rings = ringBands(settings, bits);
    const bool slit = settings.style == TDiskStyle::Slit;
    const char shown = slit ? static_cast<char>('0' + settings.slitBit) : '1';
    const TLayer runLayer = slit ? TLayer::Cut : TLayer::Engrave;
    const double offset = slit ? settings.kerf / 2 : 0;
    const double mirror = settings.mirror ? -1 : 1;

    for (std::int32_t ring = 1; ring <= bits; ++ring) {
        const TRingBand& band = geometry.rings[static_cast<std::size_t>(ring - 1)];
        for (const TRun& run : ringRuns(geometry.disk.words, ring)) {
            if (run.bit != shown) continue;
            if (run.length == static_cast<std::int32_t>(geometry.disk.words.size())) {
                geometry.outlines.push_back(
                    {runLayer,
                     {circle(0, 0, band.outer - offset), circle(0, 0, band.inner + offset)},
                     true,
                     true});
                continue;
            }
            geometry.outlines.push_back(
                {runLayer, {runLoop(geometry, settings, run, offset)}, true, true});
        }
    }

    // The cuts that free the disk: around it, the shaft hole, the mounting holes midway
    // between the shaft hole and the innermost ring.
    const double half = settings.kerf / 2;
    geometry.outlines.push_back({TLayer::Cut, {circle(0, 0, geometry.radius + half)}});
    if (settings.shaft > 0) {
        geometry.outlines.push_back({TLayer::Cut, {circle(0, 0, settings.shaft / 2 - half)}});
    }
    const double holeCircle = (settings.shaft / 2 + geometry.rings.back().inner) / 2;
    for (int hole = 0; hole < settings.holes; ++hole) {
        const TVertex centre = at(holeCircle, 90 + 360.0 * hole / settings.holes, 0);
        geometry.outlines.push_back(
            {TLayer::Cut, {circle(centre.x, centre.y, settings.holeDiameter / 2 - half)}});
    }
    for (const TRingBand& band : geometry.rings) {
        const TVertex sensor = at((band.outer + band.inner) / 2, mirror * band.turn, 0);
        geometry.outlines.push_back(
            {TLayer::Guide, {circle(sensor.x, sensor.y, kSensorMarkRadius)}});
    }
    return geometry;
}

std::vector<TVertex> runLoop(const TDiskGeometry& geometry, const TDiskSettings& settings,
                             const TRun& run, double offset) {
    const TRingBand& band = geometry.rings[static_cast<std::size_t>(run.ring - 1)];
    const double step = 360.0 / static_cast<double>(geometry.disk.words.size());
    double from = run.first * step + band.turn;
    double to = from + run.length * step;
    if (settings.mirror) {  // seen from the back: angles change sign
        const double mirroredFrom = -to;
        to = -from;
        from = mirroredFrom;
    }
    return annularSector(band.outer, band.inner, from, to, offset);
}

double loopArea(const std::vector<TVertex>& loop) {
    double area = 0;
    for (std::size_t i = 0; i < loop.size(); ++i) {
        const TVertex& from = loop[i];
        const TVertex& to = loop[(i + 1) % loop.size()];
        area += (from.x * to.y - to.x * from.y) / 2;
        if (from.bulge != 0) {
            // The circular segment between the chord and the arc.
            const double angle = 4 * std::atan(from.bulge);
            const double chord = std::hypot(to.x - from.x, to.y - from.y);
            const double radius = chord / (2 * std::sin(std::fabs(angle) / 2));
            area += (angle >= 0 ? 1 : -1) * radius * radius / 2 *
                    (std::fabs(angle) - std::sin(std::fabs(angle)));
        }
    }
    return area;
}
