// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskMesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "maker/diskGeometry.h"
#include "tests/support/runProgram.h"
#include "tests/support/tempDir.h"

namespace {

// The plate's area: the disk within its outer cut, less everything else that is cut out.
double plateArea(const TDiskSettings& settings) {
    double outer = 0;
    double cutOut = 0;
    for (const TOutline& outline : diskGeometry(settings).outlines) {
        if (outline.layer != TLayer::Cut) continue;
        for (const auto& loop : outline.loops) {
            const double area = std::fabs(loopArea(loop));
            cutOut += area;
            outer = std::max(outer, area);
        }
    }
    return outer - (cutOut - outer);
}

// A figure of admesh's report, such as "Volume", or NaN when it has none.
double admeshFigure(const std::string& report, const std::string& name) {
    const std::size_t at = report.find(name);
    return at == std::string::npos ? NAN : std::stod(report.substr(report.find(':', at) + 1));
}

// admesh, the mesh checker of Debian, finds one closed part, fixes nothing and measures the
// volume of the plate within 0.1 %; the file's size is 84 + 50 bytes a triangle.
TEST(DiskMesh, PlatesAreClosedSolidsOfTheirVolume) {
    TempDir dir;
    const auto with = [](int n, auto change) {
        TDiskSettings settings;
        settings.count = *TCodeCount::of(n);
        change(settings);
        return settings;
    };
    const TDiskSettings cases[] = {
        with(10, [](TDiskSettings&) {}),
        with(10,
             [](TDiskSettings& s) {
                 s.style = TDiskStyle::Slit;
                 s.gap = 1.2;
                 s.holes = 3;
             }),
        with(30,
             [](TDiskSettings& s) {
                 s.style = TDiskStyle::Slit;
                 s.gap = 0;
                 s.slitBit = 0;
                 s.shaft = 0;
             }),
        with(64,
             [](TDiskSettings& s) {
                 s.style = TDiskStyle::Slit;
                 s.gap = 1.2;
                 s.diameter = 200;
                 s.holes = 4;
                 s.mirror = true;
                 s.sensorAngles = {10, 20, 30, 40, 50, 60};
             }),
    };
    for (const TDiskSettings& settings : cases) {
        const std::string stl = plateStl(settings);
        std::uint32_t triangles = 0;
        std::memcpy(&triangles, stl.data() + 80, sizeof triangles);
        EXPECT_EQ(stl.size(), 84 + 50 * std::size_t{triangles});
        EXPECT_FALSE(stl.starts_with("solid"));
        writeFile(dir.file("plate.stl"), Bytes(stl.begin(), stl.end()));
        const RunResult checked = runProgram("admesh", dir, dir.file("plate.stl"));
        const auto figure = [&](const std::string& name) {
            return admeshFigure(checked.out, name);
        };
        EXPECT_EQ(figure("Number of parts"), 1) << checked.out;
        EXPECT_EQ(figure("Edges fixed"), 0);
        EXPECT_EQ(figure("Normals fixed"), 0);
        EXPECT_EQ(figure("Degenerate facets"), 0);
        const double volume = plateArea(settings) * settings.thickness;
        EXPECT_NEAR(figure("Volume"), volume, volume * 1e-3);
    }

    // The inlay of a printed disk: one solid per run of 1 bits, kInlayThickness high.
    const TDiskSettings printed = cases[0];
    const std::string inlay = inlayStl(printed);
    writeFile(dir.file("inlay.stl"), Bytes(inlay.begin(), inlay.end()));
    const std::string checked = runProgram("admesh", dir, dir.file("inlay.stl")).out;
    double runs = 0;
    double area = 0;
    for (const TOutline& outline : diskGeometry(printed).outlines) {
        if (outline.layer != TLayer::Engrave) continue;
        ++runs;
        area += loopArea(outline.loops.front());
    }
    EXPECT_EQ(admeshFigure(checked, "Number of parts"), runs) << checked;
    EXPECT_NEAR(admeshFigure(checked, "Volume"), area * kInlayThickness,
                area * kInlayThickness * 1e-3);
}

}  // namespace
