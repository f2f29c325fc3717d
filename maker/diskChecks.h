// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "maker/diskGeometry.h"
#include "maker/diskSettings.h"

// How the disk is made: cut by a laser (or plotted), or printed on an FDM 3D printer.
enum class TProcess : std::uint8_t { Laser, Fdm };

// One check of a disk before its file is written, in German with millimetres. Errors block the
// file; warnings and passed checks do not.
struct TDiskCheck {
    enum class TVerdict : std::uint8_t { Passed, Warning, Error };
    TVerdict verdict;
    std::string text;
};

// The limits, with their reasons.
inline constexpr double kMinHubWeb = 3.0;     // the hub must carry the disk on its shaft
inline constexpr double kMinLaserRim = 1.5;   // a thinner rim burns through or breaks
inline constexpr double kMinFdmRim = 1.2;     // three 0.4 mm lines
inline constexpr double kMinLaserWeb = 1.0;   // material between slit rings
inline constexpr double kMinFdmWeb = 1.2;     // three 0.4 mm lines
inline constexpr double kMinFeature = 0.8;    // the smallest piece a laser or nozzle makes
inline constexpr double kSensorAperture = 1;  // a sensor needs twice this to see a piece
inline constexpr double kNozzle = 0.4;        // FDM widths should be multiples of this
// Lengths within this are equal, so that 1.0 passes a limit of 1.0.
inline constexpr double kLengthTolerance = 1e-9;

// Every check of settings for process, errors first, then warnings, then what passed.
std::vector<TDiskCheck> diskChecks(const TDiskSettings& settings, TProcess process);
// The runs of material that would fall out of a slit disk with touching rings, from the
// outermost ring in; none for any other disk.
std::vector<TRun> loosePieces(const TDiskSettings& settings);
// Whether checks hold an error.
bool blocks(const std::vector<TDiskCheck>& checks);
// A length as the messages show it: "0,0", "1,2", "4,44".
std::string millimetres(double length);
