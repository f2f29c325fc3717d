// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

double within(double value, double least, double most, double fallback) {
    return std::isfinite(value) ? std::clamp(value, least, most) : fallback;
}

}  // namespace

std::vector<double> sensorAnglesOf(std::string_view text) {
    std::vector<double> angles;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of("; \t", at), text.size());
        if (end > at) {
            std::string part(text.substr(at, end - at));
            std::replace(part.begin(), part.end(), ',', '.');
            char* parsed = nullptr;
            const double angle = std::strtod(part.c_str(), &parsed);
            angles.push_back(*parsed == '\0' && std::isfinite(angle) ? angle : 0.0);
        }
        at = end + 1;
    }
    return angles;
}

TDiskSettings withinRanges(const TDiskSettings& settings) {
    const TDiskSettings defaults;
    TDiskSettings kept = settings;
    kept.diameter = within(settings.diameter, kMinDiameter, kMaxDiameter, defaults.diameter);
    kept.shaft = within(settings.shaft, 0, kMaxShaft, defaults.shaft);
    if (kept.shaft < kMinShaft) kept.shaft = 0;
    kept.track = within(settings.track, kMinTrack, kMaxTrack, defaults.track);
    kept.gap = within(settings.gap, kMinGap, kMaxGap, defaults.gap);
    kept.rim = within(settings.rim, kMinRim, kMaxRim, defaults.rim);
    kept.thickness = within(settings.thickness, kMinThickness, kMaxThickness, defaults.thickness);
    kept.kerf = within(settings.kerf, kMinKerf, kMaxKerf, defaults.kerf);
    if (settings.holes != 3 && settings.holes != 4) kept.holes = 0;
    kept.holeDiameter =
        within(settings.holeDiameter, kMinHoleDiameter, kMaxHoleDiameter, defaults.holeDiameter);
    kept.slitBit = settings.slitBit == 0 ? 0 : 1;
    for (double& angle : kept.sensorAngles) angle = within(angle, 0, kMaxSensorAngle, 0);
    return kept;
}
