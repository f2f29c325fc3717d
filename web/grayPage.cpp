// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/grayPage.h"

#include <algorithm>
#include <utility>

#include "draw/svgCanvas.h"
#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"
#include "gray/grayTable.h"
#include "lesson/practice.h"
#include "lesson/worksheet.h"

TGrayPage::TGrayPage(TCanvas& disk) : m_disk(disk), m_previous(std::exchange(GrayWindow, this)) {}

TGrayPage::~TGrayPage() { GrayWindow = m_previous; }

std::int32_t TGrayPage::ok(std::int64_t typed) {
    m_selected.reset();
    m_listing.clear();
    m_gray = std::make_unique<TGray>(shownCount(typed));
    m_gray->generate();
    m_cycle = checkCycle(keptWords(*m_gray));
    m_readHead.setGray(*m_gray);
    m_construction.setCount(m_gray->codeCount());
    m_practice.start(m_gray->codeCount(), m_practiceSeed);
    return m_gray->codeCount();
}

void TGrayPage::paintDisk() { m_readHead.paintShownDisk(m_disk); }

bool TGrayPage::select(std::int32_t word) {
    if (!m_gray || m_practiceShown || word < 0 || word >= m_gray->codeCount()) return false;
    m_selected = word;
    return true;
}

void TGrayPage::step(std::int32_t step) {
    if (!m_gray || m_practiceShown) return;
    select(steppedWord(m_selected, step, m_gray->codeCount()));
}

std::string TGrayPage::statusLine() const {
    if (!m_selected || m_practiceShown) return "";
    std::string line;
    for (const char c : m_readHead.sectorDescription(*m_selected)) {
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
    return m_selected && !m_practiceShown ? disk + ". " + m_readHead.sectorDescription(*m_selected)
                                          : disk;
}

std::optional<TSectorMark> TGrayPage::mark(std::int32_t width) const {
    if (m_practiceShown) {
        if (m_practice.finished()) return std::nullopt;
        TSectorMark outline = m_readHead.sectorMark(width, m_practice.task().sector);
        outline.changes.clear();
        return outline;
    }
    if (!m_selected) return std::nullopt;
    return m_readHead.sectorMark(width, *m_selected);
}

std::optional<std::int32_t> TGrayPage::sectorAt(std::int32_t width, double x, double y) const {
    if (!m_gray) return std::nullopt;
    return TDiskLayout(width, m_gray->bitCount(), m_gray->codeCount()).sectorAt(x, y);
}

std::string TGrayPage::diskSvg(TColor face) {
    if (!m_gray) return "";
    TSvgCanvas svg(kDesignedDiskSize, kDesignedDiskSize, diskTitle(*m_gray), face);
    m_readHead.paintShownDisk(svg);
    return svg.document();
}

void TGrayPage::stepOnDisk(std::int32_t step) {
    if (m_readHead.shown()) {
        m_readHead.step(step);
    } else {
        this->step(step);
    }
}

void TGrayPage::sectorOnDisk(std::int32_t step) {
    if (m_readHead.shown()) {
        m_readHead.stepSector(step);
    } else {
        this->step(step < 0 ? -1 : 1);
    }
}

void TGrayPage::selectEnd(bool last) {
    if (m_gray) select(last ? m_gray->codeCount() - 1 : 0);
}

bool TGrayPage::pointAt(std::int32_t width, double x, double y, bool dragged) {
    if (m_practiceShown) return false;
    if (m_readHead.shown()) {
        m_readHead.setAngle(headAngleTowards(width, x, y));
        return true;
    }
    const std::optional<std::int32_t> sector = sectorAt(width, x, y);
    return !dragged && sector && select(*sector);
}

void TGrayPage::showReadHead(bool shown) {
    if (shown) {
        showConstruction(false);
        m_practiceShown = false;
    }
    m_readHead.setShown(shown);
}

void TGrayPage::showConstruction(bool shown) {
    if (shown) {
        m_readHead.setShown(false);
        m_practiceShown = false;
    } else if (m_construction.playing()) {
        m_construction.startOrStopPlaying();
    }
    m_constructionShown = shown && m_construction.hasSteps();
}

std::vector<TGrayPage::TStepRow> TGrayPage::stepRows() const {
    std::vector<TStepRow> rows;
    if (!m_construction.hasSteps()) return rows;
    const TConstructionStep& step = m_construction.step();
    const std::size_t prefixLength = m_construction.showsPrefix() ? 1 : 0;
    for (std::size_t i = 0; i < step.words.size(); ++i) {
        const std::string& word = step.words[i];
        const bool marked =
            std::ranges::find(step.marked, static_cast<int>(i)) != step.marked.end();
        rows.push_back(
            {std::to_string(i), word.substr(0, prefixLength), word.substr(prefixLength), marked});
    }
    return rows;
}

void TGrayPage::showPractice(bool shown) {
    if (shown) {
        m_readHead.setShown(false);
        showConstruction(false);
    }
    m_practiceShown = shown && m_practice.started();
}

void TGrayPage::typeAnswer(const std::string& text) {
    if (!m_practice.started() || m_practice.finished() || m_practice.checked() ||
        !m_practice.task().choices.empty()) {
        return;
    }
    m_practice.type(text);
}

void TGrayPage::confirmPractice() { m_practice.confirm(); }

std::string TGrayPage::moodleXml(unsigned seed) const {
    if (!m_gray) return "";
    const int n = m_gray->codeCount();
    return ::moodleXml(practiceTasks(n, seed, kMoodleTasks),
                       "Zyklora/Gray-Code n=" + std::to_string(n));
}

std::string TGrayPage::moodleFileName() const {
    if (!m_gray) return "";
    return "zyklora-gray-code-" + std::to_string(m_gray->codeCount()) + ".xml";
}

std::string sheetSvg(const TSheet& sheet) {
    TSvgCanvas svg(kSheetWidth, kSheetHeight, sheetTitle(sheet), rgbColor(255, 255, 255),
                   TSvgPaper{kSheetWidthMm, kSheetHeightMm});
    paintSheet(svg, sheet);
    return svg.document();
}
