// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/sectorMark.h"

#include <numbers>

#include "draw/lessonColors.h"

TSectorMark sectorMark(std::int32_t width, const std::vector<std::string>& words,
                       const std::vector<double>& ringOffsetsDegrees, std::int32_t word) {
    const auto bits = static_cast<std::int32_t>(words.front().size());
    const auto sectors = static_cast<std::int32_t>(words.size());
    const TDiskLayout layout(width, bits, sectors);
    const std::string& from = words[static_cast<std::size_t>(word)];
    const std::string& to = words[static_cast<std::size_t>((word + 1) % sectors)];
    const double scale = static_cast<double>(width) / kDesignedDiskSize;
    TSectorMark mark{layout.centre(),
                     layout.outerRadiusOfBit(0),
                     layout.outerRadiusOfBit(bits),
                     layout.boundaryAngle(word),
                     layout.boundaryAngle(word + 1),
                     {},
                     3 * scale,
                     9 * scale,
                     kSelectionMarkColor};
    for (std::int32_t bit = 0; bit < bits; ++bit) {
        const auto character = static_cast<std::size_t>(bits - 1 - bit);
        if (from[character] == to[character]) continue;
        const double turn =
            ringOffsetsDegrees.empty()
                ? 0
                : ringOffsetsDegrees[static_cast<std::size_t>(bit)] * std::numbers::pi / 180;
        mark.changes.push_back(layout.boundaryInRing(word, bit, turn));
    }
    return mark;
}
