// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/grayPage.h"

#include <algorithm>
#include <numbers>
#include <utility>

#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"
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
    m_grayWords = keptWords(*m_gray);
    m_binaryWords = binaryWords(m_gray->codeCount());
    m_cycle = checkCycle(m_grayWords);
    const auto rings = static_cast<std::int32_t>(m_grayWords.front().size());
    m_ring = m_ring < 0 ? rings - 1 : std::min(m_ring, rings - 1);
    m_offsetUnits = std::min(m_offsetUnits, maxOffset());
    headSettingsChanged();
    return m_gray->codeCount();
}

void TGrayPage::paintDisk() {
    if (!m_gray) return;
    if (m_headShown && (m_binary || m_offsetUnits != 0)) {
        ::paintDisk(m_disk, shownWords(), offsets());
    } else {
        m_gray->paintDisk(m_disk);
    }
}

bool TGrayPage::select(std::int32_t word) {
    if (!m_gray || word < 0 || word >= m_gray->codeCount()) return false;
    m_selected = word;
    return true;
}

void TGrayPage::step(std::int32_t step) {
    if (!m_gray) return;
    select(steppedWord(m_selected, step, m_gray->codeCount()));
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

void TGrayPage::showReadHead(bool shown) {
    m_headShown = shown && m_gray;
    if (!m_headShown) m_turning = false;
}

void TGrayPage::setHeadAngle(double degrees) { m_headAngle = ::headAngle(degrees); }

void TGrayPage::stepOnDisk(std::int32_t step) {
    if (m_headShown) {
        setHeadAngle(m_headAngle + step * kHeadFineStepDegrees);
    } else {
        this->step(step);
    }
}

bool TGrayPage::pointAt(std::int32_t width, double x, double y, bool dragged) {
    if (m_headShown) {
        setHeadAngle(headAngleTowards(width, x, y));
        return true;
    }
    const std::optional<std::int32_t> sector = sectorAt(width, x, y);
    return !dragged && sector && select(*sector);
}

void TGrayPage::setOffsetRing(std::int32_t ring) {
    if (!m_gray) return;
    m_ring = std::clamp(ring, 0, static_cast<std::int32_t>(m_grayWords.front().size()) - 1);
    headSettingsChanged();
}

void TGrayPage::setOffsetUnits(std::int32_t units) {
    if (!m_gray) return;
    m_offsetUnits = std::clamp(units, 0, maxOffset());
    headSettingsChanged();
}

void TGrayPage::setBinary(bool binary) { m_binary = binary; }

std::int32_t TGrayPage::maxOffset() const {
    return m_gray ? maxOffsetUnits(m_grayWords.size()) : 0;
}

std::vector<std::string> TGrayPage::ringNames() const {
    std::vector<std::string> names;
    const auto rings = static_cast<std::int32_t>(m_gray ? m_grayWords.front().size() : 0);
    for (std::int32_t ring = 1; ring <= rings; ++ring) names.push_back(ringName(ring, rings));
    return names;
}

void TGrayPage::startOrStopTurn() {
    m_turning = m_headShown && !m_turning;
    m_turnStart = m_headAngle;
    m_turnFrame = 0;
}

void TGrayPage::advanceTurn() {
    if (!m_turning) return;
    setHeadAngle(turnAngle(m_turnStart, ++m_turnFrame));
    if (m_turnFrame >= kHeadTurnFrames) m_turning = false;
}

void TGrayPage::headSettingsChanged() {
    const std::vector<double> turned = offsets();
    m_graySweep = sweep(m_grayWords, turned);
    m_binarySweep = sweep(m_binaryWords, turned);
}

const TSweep& TGrayPage::shownSweep() const { return m_binary ? m_binarySweep : m_graySweep; }

const std::vector<std::string>& TGrayPage::shownWords() const {
    return m_binary ? m_binaryWords : m_grayWords;
}

std::vector<double> TGrayPage::offsets() const {
    return ringOffsets(m_grayWords.front().size(), static_cast<std::size_t>(m_ring),
                       m_offsetUnits / kOffsetUnitsPerDegree);
}

TReadHeadPanel TGrayPage::headPanel() const {
    if (!m_gray) return {"", "", "", "", false};
    return readHeadPanel(shownWords(), shownSweep(), m_headAngle);
}

std::string TGrayPage::offsetText() const { return degreesText(m_offsetUnits / kOffsetUnitsPerDegree); }

std::string TGrayPage::countLine() const {
    return m_gray ? misreadLine(m_graySweep.misreads, m_binarySweep.misreads) : "";
}

std::optional<THeadShape> TGrayPage::head(std::int32_t width) const {
    if (!m_headShown) return std::nullopt;
    return headShape(width, readingAt(shownSweep(), m_headAngle).word, m_gray->codeCount(),
                     m_headAngle);
}

auto TGrayPage::misreadTint(std::int32_t width) const -> std::optional<TMisreadTint> {
    if (!m_headShown) return std::nullopt;
    const TDiskLayout layout(width, m_gray->bitCount(), m_gray->codeCount());
    TMisreadTint tint{layout.centre(), layout.outerRadiusOfBit(0),
                      layout.outerRadiusOfBit(m_gray->bitCount()), {}};
    constexpr double kRadians = std::numbers::pi / 180;
    for (const TSweepReading& reading : shownSweep().readings) {
        if (reading.misread) {
            tint.stretches.emplace_back(reading.fromDegrees * kRadians,
                                        reading.toDegrees * kRadians);
        }
    }
    return tint;
}
