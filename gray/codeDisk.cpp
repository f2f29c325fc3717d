#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "gray/GrayUnit.h"
#include "gray/grayWindow.h"
#include "lib/canvas.h"

namespace {

// Rounds to the nearest integer, ties to even.
std::int32_t roundToInt(long double value) { return static_cast<std::int32_t>(std::llrint(value)); }

}  // namespace

void TGray::paintDisk() { paintDisk(grayWindow().diskImage()); }

void TGray::paintDisk(TCanvas& image) {
    const std::int32_t width = image.width();
    const std::int32_t height = image.height();
    const std::int32_t centreX = width / 2;
    const std::int32_t centreY = height / 2;

    image.setPenColor(clBlack);
    image.setBrushColor(clBtnFace);
    image.rectangle(0, 0, width, height);

    const long double step = 2 * std::numbers::pi_v<long double> / m_codeCount;
    const std::int32_t ringWidth = width / (2 * m_bitCount + 2);

    // The boundary after each sector, the same in every ring. The points lie far outside the
    // image: only their direction counts.
    std::vector<std::pair<std::int32_t, std::int32_t>> boundaries;
    boundaries.reserve(static_cast<std::size_t>(m_codeCount));
    for (std::int32_t sector = 1; sector <= m_codeCount; ++sector) {
        const long double angle = sector * step;
        boundaries.emplace_back(centreX + roundToInt(1000 * std::cos(angle)),
                                centreY - roundToInt(1000 * std::sin(angle)));
    }

    // Each ring is a full-radius wedge fan of its own square; the next ring overdraws its inner
    // part, so what stays visible is a band one ring width wide.
    for (std::int32_t ring = 1; ring <= m_bitCount; ++ring) {
        const std::int32_t inset = (ring - 1) * ringWidth;
        std::int32_t fromX = width;
        std::int32_t fromY = centreY;
        for (std::int32_t sector = 1; sector <= m_codeCount; ++sector) {
            const auto [toX, toY] = boundaries[static_cast<std::size_t>(sector - 1)];

            const std::string& word = static_cast<TCode*>(m_codes.elementAt(sector - 1))->text();
            const char bit = word[static_cast<std::size_t>(m_bitCount - ring)];
            image.setBrushColor(bit == '0' ? clBtnFace : clBlack);
            image.pie(inset, inset, width - inset, width - inset, fromX, fromY, toX, toY);

            fromX = toX;
            fromY = toY;
        }
    }

    image.setBrushColor(clBtnFace);
    const std::int32_t discInset = m_bitCount * ringWidth;
    image.ellipse(discInset, discInset, width - discInset, width - discInset);
}
