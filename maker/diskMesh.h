// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "maker/diskSettings.h"

// The disk for FDM printing as binary STL, in mm with its origin at the disk's centre and z = 0
// under the plate: a closed, consistently oriented mesh whose arcs stay within 0.01 mm of the
// circle. 84 + 50 bytes per triangle; the header does not begin with "solid".

// The plate, settings' thickness high: a slit disk with its slits cut through, a printed one
// whole; both with the shaft hole and the mounting holes.
std::string plateStl(const TDiskSettings& settings);
// For two-colour printing of a printed disk: the inlay on top of the plate, kInlayThickness high,
// covering the 1 bits; with the plate's origin.
inline constexpr double kInlayThickness = 0.6;
std::string inlayStl(const TDiskSettings& settings);
// The largest distance between an arc and the chords that stand for it.
inline constexpr double kChordError = 0.01;
