// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gray/diskLayout.h"
#include "lesson/readHead.h"

// The read head's texts and shapes (see readHead.h for where each read-head fact goes).
//
// What the read head's panel says and where the head is drawn, for the window and the browser
// page alike: both keep the head's angle, the chosen ring, its offset and the disk shown, and
// ask here for texts and shapes.

// Left and Right turn the head by this step; "Drehen" turns it once around in frames.
constexpr double kHeadFineStepDegrees = 0.25;
constexpr int kHeadTurnMilliseconds = 10000;
constexpr int kHeadFrameMilliseconds = 40;
// The "Versatz" slider counts hundredths of a degree.
constexpr double kOffsetUnitsPerDegree = 100;

// The slider's maximum for sectors words: half a sector, beyond which a ring would stand
// closer to the next sector.
int maxOffsetUnits(std::size_t sectors);
// Offsets of rings rings with ring (0 = the outermost) turned by degrees, the others not.
std::vector<double> ringOffsets(std::size_t rings, std::size_t ring, double degrees);
// The chooser's name of ring (1 = the outermost) of rings, e.g. "Ring 1 (außen, Bit 0)".
std::string ringName(int ring, int rings);
// An angle as the panel shows it, e.g. "12,25°".
std::string degreesText(double degrees);
// The count line of both disks' turns, their misreads and jumps (TSweep), e.g. "Gray-Code: 0
// Fehllesungen, 0 Sprünge · Dualcode: 1 Fehllesung, 2 Sprünge je Umdrehung".
std::string misreadLine(const TSweep& gray, const TSweep& binary);
// The reading of sweep under the head at angleDegrees in [0, 360).
const TSweepReading& readingAt(const TSweep& sweep, double angleDegrees);
// The head's angle after frame frames of a turn that began at start; the last frame
// (kHeadTurnMilliseconds / kHeadFrameMilliseconds) ends exactly where it began.
double turnAngle(double start, int frame);
constexpr int kHeadTurnFrames = kHeadTurnMilliseconds / kHeadFrameMilliseconds;
// degrees taken into [0, 360).
double headAngle(double degrees);
// The head's angle in degrees towards (x, y) on a disk of width pixels.
double headAngleTowards(std::int32_t width, double x, double y);

// The panel's texts for the head at angleDegrees over words, with sweep their turn.
struct TReadHeadPanel {
    std::string angle;       // "Winkel: 12,25°"
    std::string word;        // the word read
    std::string sectorWord;  // "Wort des Sektors: 0011 (Position 3 von 10)"
    std::string verdict;     // "richtig gelesen", "Nachbarwort – keine Fehllesung", "Fehllesung!"
    bool misread;
};
TReadHeadPanel readHeadPanel(const std::vector<std::string>& words, const TSweep& sweep,
                             double angleDegrees);

// The head on a disk of width pixels as drawn over it: a line from the inner disc to the rim,
// under it a wider light halo, and one sensor per ring filled with the bit it reads.
struct THeadShape {
    TDiskLayout::TPoint from;
    TDiskLayout::TPoint to;
    double haloWidth;
    double lineWidth;
    double sensorRadius;
    struct TSensor {
        TDiskLayout::TPoint centre;
        bool one;
    };
    std::vector<TSensor> sensors;  // from the outermost ring in
};
THeadShape headShape(std::int32_t width, const std::string& read, std::int32_t sectors,
                     double angleDegrees);
