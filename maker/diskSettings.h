// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gray/codeCount.h"

// What a maker sets for an encoder disk to cut, plot or print. Lengths in millimetres, angles in
// degrees. The ranges are kMin… and kMax… below; the defaults are the members' initial values.

// "Druck/Gravur" (black = 1, printed or engraved) or "Schlitzscheibe" (the runs of slitBit cut
// through).
enum class TDiskStyle : std::uint8_t { Print, Slit };
// "Zyklora" (the table's cut, as the window shows it) or "Gray-Exzess", the industrial cut that
// drops (2^k - n) / 2 words at each end of the full code.
enum class TDiskCode : std::uint8_t { Zyklora, Excess };

struct TDiskSettings {
    TCodeCount count = TCodeCount::shown(10);
    double diameter = 100;  // Außendurchmesser
    double shaft = 6;       // Wellenbohrung, 0 for none
    double track = 5;       // Spurbreite
    double gap = 1;         // Spurabstand, 0 for touching rings
    double rim = 3;         // Rand
    double thickness = 2;   // Materialdicke (3D printing only)
    double kerf = 0;        // Schnittfuge
    int holes = 0;          // Befestigungslöcher: 0, 3 or 4
    double holeDiameter = 3;
    TDiskStyle style = TDiskStyle::Print;
    int slitBit = 1;
    TDiskCode code = TDiskCode::Zyklora;
    std::vector<double> sensorAngles;  // per ring from ring 1 (outermost); missing ones are 0
    bool mirror = false;               // "Spiegeln": the disk as seen from its back
};

inline constexpr double kMinDiameter = 30, kMaxDiameter = 300;
inline constexpr double kMinShaft = 2, kMaxShaft = 25;  // or 0
inline constexpr double kMinTrack = 2, kMaxTrack = 20;
inline constexpr double kMinGap = 0, kMaxGap = 10;
inline constexpr double kMinRim = 1, kMaxRim = 20;
inline constexpr double kMinThickness = 1, kMaxThickness = 10;
inline constexpr double kMinKerf = 0, kMaxKerf = 0.5;
inline constexpr double kMinHoleDiameter = 2, kMaxHoleDiameter = 5;
inline constexpr double kMaxSensorAngle = 359;

// Sensor angles as a maker types them into a dialog, ring 1 first: numbers apart by spaces or
// semicolons, with a decimal point or comma; a part that is no number reads as 0.
std::vector<double> sensorAnglesOf(std::string_view text);

// settings with every value taken into its range: a shaft below kMinShaft is none, hole counts
// other than 3 and 4 are none, and a value that is no number is the default.
TDiskSettings withinRanges(const TDiskSettings& settings);
