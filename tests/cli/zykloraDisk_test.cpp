// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "maker/diskGeometry.h"
#include "tests/support/runProgram.h"
#include "tests/support/tempDir.h"

namespace {

RunResult disk(const TempDir& dir, const std::string& arguments) {
    return runProgram(ZYKLORA_DISK_PATH, dir, arguments);
}

// A wrong call shows the usage with status 2; a value out of range or a disk that cannot be
// built is refused in German with status 1 and writes no file.
TEST(ZykloraDisk, CallsAndRefusals) {
    TempDir dir;
    const struct {
        std::string arguments;
        int status;
        std::string err;  // the start of standard error
    } cases[] = {
        {"10 svg", 0, ""},
        {"10 report", 0, ""},
        {"", 2, "Aufruf: zyklora-disk"},
        {"10", 2, "Aufruf: zyklora-disk"},
        {"10 svg --frobnicate", 2, "Aufruf: zyklora-disk"},
        {"10 pdf", 2, "Aufruf: zyklora-disk"},
        {"10 svg --style wood", 1, "zyklora-disk: --style: print oder slit, nicht \"wood\""},
        {"11 svg", 1, "zyklora-disk: ANZAHL muss eine gerade Zahl von 4 bis 64 sein"},
        {"10 svg --diameter 20", 1, "zyklora-disk: --diameter muss zwischen 30,0 und 300,0"},
        {"10 svg --kerf zwei", 1, "zyklora-disk: --kerf: \"zwei\" ist keine Zahl"},
        {"30 svg --style slit --gap 0 -o " + dir.file("lose.svg"), 1,
         "zyklora-disk: Die Scheibe lässt sich so nicht schneiden:\n  Fehler: Lose Teile: Ring 2"},
        {"30 report --style slit --gap 0", 1, ""},
        {"64 dxf --diameter 80 --rim 2", 1,
         "zyklora-disk: Die Scheibe lässt sich so nicht schneiden"},
    };
    for (const auto& c : cases) {
        const RunResult result = disk(dir, c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments;
        EXPECT_TRUE(result.err.starts_with(c.err)) << c.arguments << ": " << result.err;
        // A report prints its checks whatever they find; a refused file prints nothing.
        if (c.status != 0 && c.arguments.find("report") == std::string::npos) {
            EXPECT_EQ(result.out, "") << c.arguments;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("lose.svg")));
}

// The files as the programs of a maker space read them: rsvg-convert draws the SVG true to
// size at 96 dpi, ezdxf audits the DXF without errors and finds one closed polyline per loop.
TEST(ZykloraDisk, FilesReadAsMakersReadThem) {
    TempDir dir;
    for (const double diameter : {100.0, 70.5}) {
        const std::string size = " --diameter " + std::to_string(diameter);
        ASSERT_EQ(disk(dir, "10 svg --holes 3" + size + " -o " + dir.file("d.svg")).status, 0);
        const RunResult drawn = runProgram(
            "sh", dir,
            "-c 'rsvg-convert -d 96 -p 96 " + dir.file("d.svg") + " | identify -format %w -'");
        EXPECT_NEAR(std::stod(drawn.out), std::round(diameter / 25.4 * 96), 1) << drawn.err;
    }
    ASSERT_EQ(disk(dir, "10 dxf --holes 3 -o " + dir.file("d.dxf")).status, 0);
    const RunResult read = runProgram("/usr/bin/python3", dir,
                                      std::string(ZYKLORA_READ_DXF) + " " + dir.file("d.dxf"));
    // n = 10 has 5 runs of 1 bits; the cuts are the rim, the shaft and 3 holes; 4 sensor marks.
    const std::size_t area = read.out.find("area GRAVUR ");
    ASSERT_NE(area, std::string::npos) << read.out << read.err;
    EXPECT_EQ(read.out.substr(0, area),
              "version AC1009\nerrors 0\ntypes POLYLINE\n"
              "layer SCHNITT 1 5 5\nlayer GRAVUR 7 5 5\nlayer HILFSLINIEN 5 4 4\n");
    EXPECT_EQ(read.out.substr(read.out.find("extmin")), "extmin -50.0 -50.0\nextmax 50.0 50.0\n");
    // The engraving's area as the engine computes it for the runs of 1 bits.
    TDiskSettings settings;
    settings.holes = 3;
    double expected = 0;
    for (const TOutline& outline : diskGeometry(settings).outlines) {
        if (outline.layer == TLayer::Engrave) expected += loopArea(outline.loops.front());
    }
    EXPECT_NEAR(std::stod(read.out.substr(area + 12)), expected, expected * 1e-3);
}

}  // namespace
