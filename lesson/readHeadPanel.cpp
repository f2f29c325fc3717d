// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/readHeadPanel.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace {

std::string misreadCount(int count) {
    return std::to_string(count) + (count == 1 ? " Fehllesung" : " Fehllesungen");
}

}  // namespace

int maxOffsetUnits(std::size_t sectors) {
    return static_cast<int>(
        std::floor(180.0 / static_cast<double>(sectors) * kOffsetUnitsPerDegree));
}

std::vector<double> ringOffsets(std::size_t rings, std::size_t ring, double degrees) {
    std::vector<double> turned(rings, 0.0);
    turned.at(ring) = degrees;
    return turned;
}

std::string ringName(int ring, int rings) {
    const std::string where = ring == 1       ? " (außen, Bit 0)"
                              : ring == rings ? " (innen, Bit " + std::to_string(ring - 1) + ")"
                                              : " (Bit " + std::to_string(ring - 1) + ")";
    return "Ring " + std::to_string(ring) + where;
}

std::string degreesText(double degrees) {
    // By hand rather than with printf, which would add its floating-point code to the module.
    const long long hundredths = std::llround(std::abs(degrees) * 100);
    const std::string cents = std::to_string(hundredths % 100);
    // Appended piece by piece: GCC 12 misreads "text" + std::string&& at -O3 (-Wrestrict).
    std::string text = degrees < 0 && hundredths != 0 ? "-" : "";
    text.append(std::to_string(hundredths / 100)).append(",");
    if (cents.size() < 2) text.append("0");
    return text.append(cents).append("°");
}

std::string misreadLine(const TSweep& gray, const TSweep& binary) {
    const auto counts = [](const TSweep& turn) {
        return misreadCount(turn.misreads) + ", " + std::to_string(turn.jumps) +
               (turn.jumps == 1 ? " Sprung" : " Sprünge");
    };
    return "Gray-Code: " + counts(gray) + " · Dualcode: " + counts(binary) + " je Umdrehung";
}

const TSweepReading& readingAt(const TSweep& sweep, double angleDegrees) {
    // The last reading that starts at or before the angle; the first starts at 0.
    const auto after = std::upper_bound(
        sweep.readings.begin(), sweep.readings.end(), angleDegrees,
        [](double angle, const TSweepReading& reading) { return angle < reading.fromDegrees; });
    return *std::prev(after);
}

double headAngle(double degrees) {
    const double wrapped = std::fmod(degrees, 360.0);
    if (wrapped >= 0) return wrapped;
    // A tiny negative angle plus 360 can round to 360 itself, which is 0 again.
    const double turned = wrapped + 360.0;
    return turned < 360.0 ? turned : 0.0;
}

double turnAngle(double start, int frame) {
    // From the start angle, so that the last frame ends exactly where the turn began.
    return headAngle(start + 360.0 * frame / kHeadTurnFrames);
}

double headAngleTowards(std::int32_t width, double x, double y) {
    const double centre = width / 2.0;
    return headAngle(std::atan2(centre - y, x - centre) * 180 / std::numbers::pi);
}

TReadHeadPanel readHeadPanel(const std::vector<std::string>& words, const TSweep& sweep,
                             double angleDegrees) {
    const TSweepReading& reading = readingAt(sweep, angleDegrees);
    const std::string sectorWord = readAt(words, angleDegrees, {});
    const auto sector = std::find(words.begin(), words.end(), sectorWord) - words.begin();
    return {"Winkel: " + degreesText(angleDegrees), reading.word,
            "Wort des Sektors: " + sectorWord + " (Position " + std::to_string(sector + 1) +
                " von " + std::to_string(words.size()) + ")",
            reading.word == sectorWord ? "richtig gelesen"
            : reading.misread          ? "Fehllesung!"
                                       : "Nachbarwort – keine Fehllesung",
            reading.misread};
}

THeadShape headShape(std::int32_t width, const std::string& read, std::int32_t sectors,
                     double angleDegrees) {
    const auto bits = static_cast<std::int32_t>(read.size());
    const TDiskLayout layout(width, bits, sectors);
    const double angle = angleDegrees * std::numbers::pi / 180;
    const double scale = static_cast<double>(width) / kDesignedDiskSize;
    const double ringWidth = layout.outerRadiusOfBit(0) - layout.outerRadiusOfBit(1);
    THeadShape shape{layout.pointAt(layout.outerRadiusOfBit(bits) * 0.6, angle),
                     layout.pointAt(layout.outerRadiusOfBit(0), angle),
                     7 * scale,
                     3 * scale,
                     ringWidth * 0.16,
                     {}};
    for (std::int32_t bit = 0; bit < bits; ++bit) {
        const double middle = layout.outerRadiusOfBit(bit) - ringWidth / 2;
        shape.sensors.push_back(
            {layout.pointAt(middle, angle), read[static_cast<std::size_t>(bits - 1 - bit)] == '1'});
    }
    return shape;
}
