// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/grayWindow.h"
#include "lib/canvas.h"

namespace {

// Rounds to the nearest integer, ties to even.
std::int32_t roundToInt(long double value) { return static_cast<std::int32_t>(std::llrint(value)); }

}  // namespace

void TGray::paintDisk() { paintDisk(grayWindow().diskImage()); }

void TGray::paintDisk(TCanvas& image) const { ::paintDisk(image, cycle().words()); }

void paintDisk(TCanvas& image, const std::vector<std::string>& words,
               const std::vector<double>& ringOffsetsDegrees) {
    image.setPenColor(clBlack);
    image.setBrushColor(clBtnFace);
    image.rectangle(0, 0, image.width(), image.height());
    paintDiskFan(image, words, ringOffsetsDegrees);
}

void paintDiskFan(TCanvas& image, const std::vector<std::string>& words,
                  const std::vector<double>& ringOffsetsDegrees) {
    const std::int32_t width = image.width();
    const std::int32_t height = image.height();
    const std::int32_t centreX = width / 2;
    const std::int32_t centreY = height / 2;
    const auto codeCount = static_cast<std::int32_t>(words.size());
    const auto bitCount = static_cast<std::int32_t>(words.front().size());

    const long double step = 2 * std::numbers::pi_v<long double> / codeCount;
    const std::int32_t ringWidth = width / (2 * bitCount + 2);
    // A boundary point at angle: far outside the image, as only its direction counts.
    const auto boundary = [&](long double angle) {
        return std::pair{centreX + roundToInt(1000 * std::cos(angle)),
                         centreY - roundToInt(1000 * std::sin(angle))};
    };
    // The boundary after each sector, the same in every unturned ring: computed once.
    std::vector<std::pair<std::int32_t, std::int32_t>> boundaries;
    boundaries.reserve(static_cast<std::size_t>(codeCount));
    for (std::int32_t sector = 1; sector <= codeCount; ++sector) {
        boundaries.push_back(boundary(sector * step));
    }

    // Each ring is a full-radius wedge fan of its own square; the next ring overdraws its inner
    // part, so what stays visible is a band one ring width wide.
    for (std::int32_t ring = 1; ring <= bitCount; ++ring) {
        const std::int32_t inset = (ring - 1) * ringWidth;
        const long double turn = ringOffsetsDegrees.empty()
                                     ? 0
                                     : ringOffsetsDegrees[static_cast<std::size_t>(ring - 1)] *
                                           std::numbers::pi_v<long double> / 180;
        // An unturned ring starts at the image's edge at 3 o'clock, as the classic disk did.
        auto [fromX, fromY] = turn == 0 ? std::pair{width, centreY} : boundary(turn);
        for (std::int32_t sector = 1; sector <= codeCount; ++sector) {
            const auto [toX, toY] = turn == 0 ? boundaries[static_cast<std::size_t>(sector - 1)]
                                              : boundary(sector * step + turn);

            const std::string& word = words[static_cast<std::size_t>(sector - 1)];
            const char bit = word[static_cast<std::size_t>(bitCount - ring)];
            image.setBrushColor(bit == '0' ? clBtnFace : clBlack);
            image.pie(inset, inset, width - inset, width - inset, fromX, fromY, toX, toY);

            fromX = toX;
            fromY = toY;
        }
    }

    image.setBrushColor(clBtnFace);
    const std::int32_t discInset = bitCount * ringWidth;
    image.ellipse(discInset, discInset, width - discInset, width - discInset);
}
