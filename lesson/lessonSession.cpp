// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/lessonSession.h"

#include <algorithm>
#include <cctype>

#include "draw/lessonColors.h"
#include "draw/svgCanvas.h"
#include "gray/diskLayout.h"
#include "gray/grayTable.h"
#include "lesson/practice.h"
#include "lesson/readHeadPanel.h"
#include "lesson/worksheet.h"

namespace {

constexpr std::array<TLessonAction, 11> kActions = {{
    {TActionId::Info, "Autor", "Ctrl+I", false},
    {TActionId::Help, "Erläuterung", "F1", false},
    {TActionId::Exit, "Programm beenden", "Ctrl+Q", false},
    {TActionId::SaveDisk, "Scheibe speichern", "Ctrl+S", true},
    {TActionId::Print, "Drucken", "Ctrl+P", true},
    {TActionId::CopyTable, "Tabelle kopieren", "Ctrl+Shift+C", true},
    {TActionId::ReadHead, "Lesekopf", "Ctrl+L", true},
    {TActionId::Construction, "Konstruktion", "Ctrl+K", true},
    {TActionId::Practice, "Üben", "Ctrl+U", true},
    {TActionId::Worksheet, "Arbeitsblatt", "Ctrl+Shift+P", true},
    {TActionId::BuildDisk, "Scheibe bauen", "Ctrl+B", true},
}};

}  // namespace

const std::array<TLessonAction, 11>& lessonActions() { return kActions; }

const TLessonAction& lessonAction(TActionId id) { return kActions[static_cast<std::size_t>(id)]; }

std::optional<TActionId> actionForKey(std::string_view key, bool ctrl, bool shift) {
    const auto lower = [](std::string_view text) {
        std::string made(text);
        for (char& c : made) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return made;
    };
    // An action takes a press that holds at least its modifiers; of several, the one that asks
    // for more wins, so that Ctrl+Shift+P is not Ctrl+P.
    std::optional<TActionId> found;
    int foundModifiers = -1;
    for (const TLessonAction& action : kActions) {
        std::string_view base = action.key;
        const bool needsCtrl = base.starts_with("Ctrl+");
        if (needsCtrl) base.remove_prefix(5);
        const bool needsShift = base.starts_with("Shift+");
        if (needsShift) base.remove_prefix(6);
        const int modifiers = int{needsCtrl} + int{needsShift};
        if (lower(base) == lower(key) && (ctrl || !needsCtrl) && (shift || !needsShift) &&
            modifiers > foundModifiers) {
            found = action.id;
            foundModifiers = modifiers;
        }
    }
    return found;
}

void TLessonSession::showTable(const TGrayCycle& cycle) {
    m_cycle = &cycle;
    m_selected.reset();
    m_cycleCheck = checkCycle(cycle.words());
    m_shownDisk.setCycle(cycle);
    m_construction.setCycle(cycle);
    m_practice.start(cycle, m_practiceSeed);
}

bool TLessonSession::select(std::int32_t word) {
    if (!m_cycle || practising() || word < 0 || word >= m_cycle->codeCount()) return false;
    m_selected = word;
    return true;
}

bool TLessonSession::selectTableRow(std::int32_t row) {
    if (!m_cycle) return false;
    const std::optional<std::int32_t> word = m_cycle->positionOf(row);
    return word && select(*word);
}

void TLessonSession::step(std::int32_t step) {
    if (!m_cycle || practising()) return;
    select(steppedWord(m_selected, step, m_cycle->codeCount()));
}

void TLessonSession::selectEnd(bool last) {
    if (m_cycle) select(last ? m_cycle->codeCount() - 1 : 0);
}

std::string TLessonSession::statusLine() const {
    if (!m_selected || practising()) return "";
    std::string line;
    for (const char c : m_shownDisk.sectorDescription(*m_selected)) {
        if (c == '\n') {
            line += "  ·  ";
        } else {
            line += c;
        }
    }
    return line;
}

std::string TLessonSession::diskDescription() const {
    if (!m_cycle) return "";
    const std::string disk = diskSummary(*m_cycle);
    return m_selected && !practising() ? disk + ". " + m_shownDisk.sectorDescription(*m_selected)
                                       : disk;
}

std::optional<TSectorMark> TLessonSession::mark(std::int32_t width) const {
    if (practising()) {
        if (m_practice.finished()) return std::nullopt;
        const std::optional<int> sector = markedSector(m_practice.task());
        if (!sector) return std::nullopt;
        TSectorMark outline = m_shownDisk.sectorMark(width, *sector);
        outline.changes.clear();
        return outline;
    }
    if (!m_selected) return std::nullopt;
    return m_shownDisk.sectorMark(width, *m_selected);
}

std::optional<std::int32_t> TLessonSession::sectorAt(std::int32_t width, double x, double y) const {
    if (!m_cycle) return std::nullopt;
    return TDiskLayout(width, m_cycle->bitCount(), m_cycle->codeCount()).sectorAt(x, y);
}

void TLessonSession::stepOnDisk(std::int32_t step) {
    if (m_shownDisk.shown()) {
        m_shownDisk.step(step);
    } else {
        this->step(step);
    }
}

void TLessonSession::sectorOnDisk(std::int32_t step) {
    if (m_shownDisk.shown()) {
        m_shownDisk.stepSector(step);
    } else {
        this->step(step < 0 ? -1 : 1);
    }
}

bool TLessonSession::pointAt(std::int32_t width, double x, double y, bool dragged) {
    if (practising()) return false;
    if (m_shownDisk.shown()) {
        m_shownDisk.setAngle(headAngleTowards(width, x, y));
        return true;
    }
    const std::optional<std::int32_t> sector = sectorAt(width, x, y);
    return !dragged && sector && select(*sector);
}

void TLessonSession::showPanel(TLessonPanel panel, bool shown) {
    if (!shown) {
        if (panel == TLessonPanel::ReadHead) m_shownDisk.setShown(false);
        if (panel == TLessonPanel::Construction && m_construction.playing()) {
            m_construction.startOrStopPlaying();
        }
        if (m_panel == panel) m_panel = TLessonPanel::None;
        return;
    }
    // One panel at a time: the others close first.
    for (const TLessonPanel other :
         {TLessonPanel::ReadHead, TLessonPanel::Construction, TLessonPanel::Practice}) {
        if (other != panel) showPanel(other, false);
    }
    switch (panel) {
        case TLessonPanel::ReadHead:
            m_shownDisk.setShown(true);
            if (m_shownDisk.shown()) m_panel = panel;
            break;
        case TLessonPanel::Construction:
            if (m_construction.hasSteps()) m_panel = panel;
            break;
        case TLessonPanel::Practice:
            if (m_practice.started()) m_panel = panel;
            break;
        case TLessonPanel::None:
            break;
    }
}

std::vector<TLessonSession::TStepRow> TLessonSession::stepRows() const {
    std::vector<TStepRow> rows;
    if (!m_construction.hasSteps()) return rows;
    const TConstructionStep& step = m_construction.step();
    const std::size_t prefixLength = m_construction.showsPrefix() ? 1 : 0;
    for (std::size_t i = 0; i < step.words.size(); ++i) {
        const std::string& word = step.words[i];
        const bool marked =
            std::ranges::find(step.marked, static_cast<int>(i)) != step.marked.end();
        rows.push_back({std::to_string(step.numbers[i]), word.substr(0, prefixLength),
                        word.substr(prefixLength), marked});
    }
    return rows;
}

void TLessonSession::typeAnswer(const std::string& text) {
    if (!m_practice.started() || m_practice.finished() || m_practice.checked() ||
        !m_practice.task().choices.empty()) {
        return;
    }
    m_practice.type(text);
}

std::string moodleBank(const TGrayCycle& cycle, unsigned seed, const TTaskKinds& kinds) {
    // A bank holds each task once, so fewer where the chosen kinds have fewer.
    const int count = std::min(kMoodleTasks, distinctTasks(cycle, kinds));
    return moodleXml(practiceTasks(cycle, seed, count, kinds),
                     "Zyklora/Gray-Code n=" + std::to_string(cycle.codeCount()));
}

std::string moodleBankFileName(const TGrayCycle& cycle) {
    return "zyklora-gray-code-" + std::to_string(cycle.codeCount()) + ".xml";
}

std::string TLessonSession::diskSvg() const {
    if (!m_cycle) return "";
    constexpr double kDiameterMm = kSheetDiskSize / 10.0;
    TSvgCanvas svg(kDesignedDiskSize, kDesignedDiskSize, diskTitle(*m_cycle), kPaperFace,
                   TPaper{kDiameterMm, kDiameterMm});
    m_shownDisk.paintShownDisk(svg);
    return svg.document();
}

std::string TLessonSession::moodleXml(unsigned seed) const {
    return m_cycle ? moodleBank(*m_cycle, seed, m_practice.kinds()) : "";
}

std::string TLessonSession::moodleFileName() const {
    return m_cycle ? moodleBankFileName(*m_cycle) : "";
}
