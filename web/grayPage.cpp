#include "web/grayPage.h"

#include <utility>

#include "gray/GrayUnit.h"
#include "gray/grayTable.h"
#include "web/svgCanvas.h"

namespace {

// The disk's size in the desktop window, at which the mark's line widths are designed.
constexpr double kDesignedDisk = 700;
constexpr std::int32_t kSvgSize = 700;

}  // namespace

TGrayPage::TGrayPage(TCanvas& disk) : m_disk(disk), m_previous(std::exchange(GrayWindow, this)) {}

TGrayPage::~TGrayPage() { GrayWindow = m_previous; }

std::int32_t TGrayPage::ok(std::int64_t typed) {
    m_selected.reset();
    m_listing.clear();
    m_gray = std::make_unique<TGray>(shownCount(typed));
    m_gray->generate();
    m_cycle = checkCycle(keptWords(*m_gray));
    return m_gray->codeCount();
}

void TGrayPage::paintDisk() {
    if (m_gray) m_gray->paintDisk(m_disk);
}

bool TGrayPage::select(std::int32_t word) {
    if (!m_gray || word < 0 || word >= m_gray->codeCount()) return false;
    m_selected = word;
    return true;
}

void TGrayPage::step(std::int32_t step) {
    if (!m_gray) return;
    const std::int32_t count = m_gray->codeCount();
    select(m_selected ? ((*m_selected + step) % count + count) % count : 0);
}

std::string TGrayPage::statusLine() const {
    if (!m_selected) return "";
    std::string line;
    for (const char c : sectorDescription(*m_gray, *m_selected)) {
        if (c == '\n') {
            line += "  ·  ";
        } else {
            line += c;
        }
    }
    return line;
}

std::string TGrayPage::diskDescription() const {
    if (!m_gray) return "";
    const std::string disk = diskSummary(*m_gray);
    return m_selected ? disk + ". " + sectorDescription(*m_gray, *m_selected) : disk;
}

auto TGrayPage::mark(std::int32_t width) const -> std::optional<TSectorMark> {
    if (!m_selected) return std::nullopt;
    const TGray& gray = *m_gray;
    const std::int32_t word = *m_selected;
    const TDiskLayout layout(width, gray.bitCount(), gray.codeCount());
    const std::int32_t next = (word + 1) % gray.codeCount();
    const std::int32_t bit =
        singleChangedBit(wordOfCycle(gray, word), wordOfCycle(gray, next)).value_or(0);
    const auto [from, to] = layout.boundaryInRing(word, bit);
    const double scale = width / kDesignedDisk;
    return TSectorMark{layout.centre(),
                       layout.outerRadiusOfBit(0),
                       layout.outerRadiusOfBit(gray.bitCount()),
                       layout.boundaryAngle(word),
                       layout.boundaryAngle(word + 1),
                       from,
                       to,
                       3 * scale,
                       9 * scale};
}

std::optional<std::int32_t> TGrayPage::sectorAt(std::int32_t width, double x, double y) const {
    if (!m_gray) return std::nullopt;
    return TDiskLayout(width, m_gray->bitCount(), m_gray->codeCount()).sectorAt(x, y);
}

std::string TGrayPage::diskSvg(TColor face) {
    if (!m_gray) return "";
    TSvgCanvas svg(kSvgSize, kSvgSize, diskTitle(*m_gray), face);
    m_gray->paintDisk(svg);
    return svg.document();
}
