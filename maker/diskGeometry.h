// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "maker/diskCode.h"
#include "maker/diskSettings.h"

// The disk's geometry in millimetres, centred at 0,0 with y upwards, shared by every file
// writer. Angles run counter-clockwise from 3 o'clock, as on the screen.

// One corner of a closed outline and the segment to the next corner: a line for bulge 0, else
// an arc whose bulge is tan(angle / 4), positive counter-clockwise (as DXF stores it).
struct TVertex {
    double x;
    double y;
    double bulge;
};

// What a line is for: cut through (red hairline, layer SCHNITT), engraved or printed (filled
// black, layer GRAVUR) or a guide that is not cut (blue, layer HILFSLINIEN).
enum class TLayer : std::uint8_t { Cut, Engrave, Guide };

// One outline: one or more closed loops (an annulus has two), or an open guide line; run marks
// the outline of a run of bits, as against the rim, the holes and the guides.
struct TOutline {
    TLayer layer;
    std::vector<std::vector<TVertex>> loops;
    bool closed = true;
    bool run = false;
};

// One ring's band: ring 1 is the outermost and carries bit 0.
struct TRingBand {
    double outer;
    double inner;
    double turn;  // degrees counter-clockwise: the ring's sensor angle
};

// A run of equal bits in one ring: sectors first .. first + length - 1 (taken around the disk,
// so that a run across the seam at 3 o'clock is one run).
struct TRun {
    std::int32_t ring;  // 1 = the outermost
    std::int32_t first;
    std::int32_t length;
    char bit;
};

struct TDiskGeometry {
    TDiskWords disk;
    double radius;  // the disk's outer radius
    std::vector<TRingBand> rings;
    std::vector<TOutline> outlines;
};

// The rings' bands: ring 1 reaches from diameter / 2 - rim inwards by one track, and each
// further ring lies one track and one gap further in.
std::vector<TRingBand> ringBands(const TDiskSettings& settings, std::int32_t rings);
// The maximal runs of equal bits in ring (1 = the outermost) of words, merged across the seam;
// a ring of one bit throughout is one run of every sector.
std::vector<TRun> ringRuns(const std::vector<std::string>& words, std::int32_t ring);
// The outlines: the engraved or cut runs (of 1 bits, or of the slit bit), the outer circle, the
// shaft hole and the mounting holes as cuts, and the sensors' places as guides. Cuts lie half a
// kerf into the material that falls away. The same settings always give the same outlines.
TDiskGeometry diskGeometry(const TDiskSettings& settings);
// The outline of run (not a whole ring) on geometry's disk, turned and mirrored as settings say,
// its edges moved offset into the run as a kerf moves them.
std::vector<TVertex> runLoop(const TDiskGeometry& geometry, const TDiskSettings& settings,
                             const TRun& run, double offset = 0);
// The area enclosed by loop (positive when counter-clockwise), arcs included.
double loopArea(const std::vector<TVertex>& loop);
