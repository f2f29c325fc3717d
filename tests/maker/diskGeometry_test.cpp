// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180;

std::string described(const TDiskSettings& settings) {
    return "n=" + std::to_string(settings.count.value()) + " style " +
           std::to_string(static_cast<int>(settings.style)) + " slit " +
           std::to_string(settings.slitBit) + " code " +
           std::to_string(static_cast<int>(settings.code));
}

// One outline per run of the shown bit, and their areas are the runs' annular sectors.
TEST(DiskGeometry, OutlinesAreTheRunsOfTheShownBit) {
    for (const int n : {4, 10, 30, 64}) {
        for (const TDiskCode code : {TDiskCode::Zyklora, TDiskCode::Excess}) {
            for (const auto& [style, slitBit] :
                 {std::pair{TDiskStyle::Print, 1}, {TDiskStyle::Slit, 1}, {TDiskStyle::Slit, 0}}) {
                TDiskSettings settings;
                settings.count = *TCodeCount::of(n);
                settings.code = code;
                settings.style = style;
                settings.slitBit = slitBit;
                const TDiskGeometry geometry = diskGeometry(settings);
                const char shown = static_cast<char>('0' + slitBit);
                const TLayer layer = style == TDiskStyle::Slit ? TLayer::Cut : TLayer::Engrave;
                std::size_t runs = 0;
                double expected = 0;
                for (std::int32_t ring = 1; ring <= geometry.disk.bits; ++ring) {
                    const TRingBand& band = geometry.rings[static_cast<std::size_t>(ring - 1)];
                    for (const TRun& run : ringRuns(geometry.disk.words, ring)) {
                        if (run.bit != shown) continue;
                        ++runs;
                        expected += run.length * 2 * std::numbers::pi / n / 2 *
                                    (band.outer * band.outer - band.inner * band.inner);
                    }
                }
                std::size_t outlines = 0;
                double area = 0;
                for (const TOutline& outline : geometry.outlines) {
                    if (outline.layer != layer || !outline.run) continue;
                    ++outlines;
                    area += loopArea(outline.loops.front());
                }
                EXPECT_EQ(outlines, runs) << described(settings);
                EXPECT_NEAR(area, expected, expected * 1e-3) << described(settings);
            }
        }
    }
}

// Whether ring's shown bit covers angle on geometry, read from the outlines' corners alone.
bool covered(const TDiskGeometry& geometry, std::int32_t ring, double degrees) {
    const TRingBand& band = geometry.rings[static_cast<std::size_t>(ring - 1)];
    const double middle = (band.outer + band.inner) / 2;
    for (const TOutline& outline : geometry.outlines) {
        const std::vector<TVertex>& loop = outline.loops.front();
        if (outline.layer != TLayer::Engrave || !outline.run) continue;
        if (std::hypot(loop[0].x, loop[0].y) < middle) continue;  // another ring's
        if (std::hypot(loop[3].x, loop[3].y) > middle) continue;
        const double from = std::atan2(loop[0].y, loop[0].x) / kDegree;
        const double to = std::atan2(loop[1].y, loop[1].x) / kDegree;
        const double span = std::fmod(to - from + 720, 360);
        if (std::fmod(degrees - from + 720, 360) < span) return true;
    }
    return false;
}

// A ring turned by its sensor angle shows the sensor there what a sensor at 0° sees on the
// unturned ring, in every position of the disk.
TEST(DiskGeometry, SensorAnglesKeepEveryWordRead) {
    for (int n = TCodeCount::kMin; n <= TCodeCount::kMax; n += 2) {
        TDiskSettings plain;
        plain.count = *TCodeCount::of(n);
        const TDiskGeometry straight = diskGeometry(plain);
        for (double angle = 0; angle < 360; angle += 15) {
            TDiskSettings turned = plain;
            turned.sensorAngles.assign(static_cast<std::size_t>(straight.disk.bits), 0);
            for (std::size_t ring = 0; ring < turned.sensorAngles.size(); ++ring) {
                turned.sensorAngles[ring] = std::fmod(angle * static_cast<double>(ring + 1), 360);
            }
            const TDiskGeometry staggered = diskGeometry(turned);
            for (int sector = 0; sector < n; ++sector) {
                const double middle = (sector + 0.5) * 360 / n;
                for (std::int32_t ring = 1; ring <= straight.disk.bits; ++ring) {
                    const double sensor = turned.sensorAngles[static_cast<std::size_t>(ring - 1)];
                    EXPECT_EQ(covered(staggered, ring, middle + sensor),
                              covered(straight, ring, middle))
                        << n << " angle " << angle << " sector " << sector << " ring " << ring;
                }
            }
        }
    }
}

}  // namespace
