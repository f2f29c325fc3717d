// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/shownDisk.h"

#include <algorithm>
#include <cmath>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/grayCycle.h"
#include "lesson/construction.h"

namespace {

// The bits (0 = least significant) in which two words of equal length differ.
std::vector<std::int32_t> changedBits(const std::string& from, const std::string& to) {
    std::vector<std::int32_t> bits;
    for (std::size_t i = from.size(); i-- > 0;) {
        if (from[i] != to[i]) bits.push_back(static_cast<std::int32_t>(from.size() - 1 - i));
    }
    return bits;
}

// The binary disk's lines: the word with its position, then what changes towards the next.
std::string binarySectorDescription(const std::vector<std::string>& words, std::int32_t word) {
    const auto count = static_cast<std::int32_t>(words.size());
    const std::string& from = words[static_cast<std::size_t>(word)];
    const std::string& to = words[static_cast<std::size_t>((word + 1) % count)];
    const std::vector<std::int32_t> changed = changedBits(from, to);
    std::string text = "Position " + std::to_string(word + 1) + " von " + std::to_string(count) +
                       " im Dualcode: " + from + "\nZum nächsten Codewort " + to;
    if (changed.size() == 1) {
        return text + " ändert sich " +
               bitAndRing(changed.front(), static_cast<std::int32_t>(from.size()));
    }
    text += " ändern sich " + std::to_string(changed.size()) + " Bits:";
    for (std::size_t i = 0; i < changed.size(); ++i) {
        text += (i == 0                    ? " "
                 : i + 1 == changed.size() ? " und "
                                           : ", ") +
                std::to_string(changed[i]);
    }
    return text;
}

}  // namespace

void TShownDisk::setCycle(const TGrayCycle& cycle) {
    m_cycle = &cycle;
    m_grayWords = cycle.words();
    m_binaryWords = binaryWords(cycle.codeCount());
    const auto rings = static_cast<std::int32_t>(m_grayWords.front().size());
    m_ring = m_ring < 0 ? rings - 1 : std::min(m_ring, rings - 1);
    m_offsetUnits = std::min(m_offsetUnits, maxOffset());
    offsetChanged();
}

void TShownDisk::setShown(bool shown) {
    m_shown = shown && hasTable();
    if (!m_shown) m_turning = false;
}

void TShownDisk::setAngle(double degrees) {
    if (std::isfinite(degrees)) m_angle = headAngle(degrees);
}

void TShownDisk::step(std::int32_t direction) {
    setAngle(m_angle + (direction < 0 ? -kHeadFineStepDegrees : kHeadFineStepDegrees));
}

void TShownDisk::stepSector(std::int32_t direction) {
    if (!hasTable()) return;
    const double sector = 360.0 / static_cast<double>(shownWords().size());
    setAngle(m_angle + (direction < 0 ? -sector : sector));
}

void TShownDisk::setRing(std::int32_t ring) {
    if (!hasTable()) return;
    m_ring = std::clamp(ring, 0, static_cast<std::int32_t>(m_grayWords.front().size()) - 1);
    offsetChanged();
}

void TShownDisk::setOffsetUnits(std::int32_t units) {
    if (!hasTable()) return;
    m_offsetUnits = std::clamp(units, 0, maxOffset());
    offsetChanged();
}

std::int32_t TShownDisk::maxOffset() const {
    return hasTable() ? maxOffsetUnits(m_grayWords.size()) : 0;
}

void TShownDisk::setBinary(bool binary) {
    if (binary != m_binary) m_log.clear();  // the log is of one disk
    m_binary = binary;
}

void TShownDisk::startOrStopTurn() {
    m_turning = m_shown && !m_turning;
    m_turnStart = m_angle;
    m_turnFrame = 0;
    if (!m_turning) return;
    // A new log, from the reading under the head.
    const std::vector<TSweepReading>& readings = shownSweep().readings;
    m_log = {static_cast<std::size_t>(&reading() - readings.data())};
}

void TShownDisk::advanceTurn() {
    if (!m_turning) return;
    const double from = m_angle;
    setAngle(turnAngle(m_turnStart, ++m_turnFrame));
    // Every reading that begins on the way, also those shorter than a frame, in order; the
    // way may pass 0 degrees.
    const std::vector<TSweepReading>& readings = shownSweep().readings;
    const auto met = [&](double start) {
        return from <= m_angle ? start > from && start <= m_angle
                               : start > from || start <= m_angle;
    };
    std::vector<std::size_t> passed;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        if (met(readings[i].fromDegrees)) passed.push_back(i);
    }
    // Past 0 degrees the readings after from come before those from 0 on.
    std::stable_partition(passed.begin(), passed.end(),
                          [&](std::size_t i) { return readings[i].fromDegrees > from; });
    m_log.insert(m_log.end(), passed.begin(), passed.end());
    if (m_turnFrame >= kHeadTurnFrames) m_turning = false;
}

bool TShownDisk::showsPlainDisk() const { return !m_shown || (!m_binary && m_offsetUnits == 0); }

const std::vector<std::string>& TShownDisk::shownWords() const {
    return !m_shown || !m_binary ? m_grayWords : m_binaryWords;
}

std::vector<double> TShownDisk::shownOffsets() const {
    return showsPlainDisk() ? std::vector<double>{} : offsets();
}

void TShownDisk::paintShownDisk(TCanvas& canvas) const {
    if (!hasTable()) return;
    paintDisk(canvas, shownWords(), shownOffsets());
}

std::string TShownDisk::sectorDescription(std::int32_t word) const {
    std::string text =
        m_shown && m_binary
            ? binarySectorDescription(m_binaryWords, word)
            : ::sectorDescription(*m_cycle, word) + "\n" +
                  decodingText(*m_cycle, m_grayWords[static_cast<std::size_t>(word)]);
    if (!showsPlainDisk() && m_offsetUnits != 0) {
        const auto rings = static_cast<std::int32_t>(m_grayWords.front().size());
        // Appended piece by piece: "\n" + std::string at -O3 trips GCC 12's -Wrestrict (a
        // false positive of that compiler's memcpy range analysis).
        text.append("\n").append(ringName(m_ring + 1, rings)).append(" um ");
        text.append(offsetText()).append(" versetzt");
    }
    return text;
}

TSectorMark TShownDisk::sectorMark(std::int32_t width, std::int32_t word) const {
    return ::sectorMark(width, shownWords(), shownOffsets(), word);
}

TReadHeadPanel TShownDisk::panel() const {
    if (!hasTable()) return {"", "", "", "", false};
    return readHeadPanel(shownWords(), shownSweep(), m_angle);
}

std::string TShownDisk::offsetText() const {
    return degreesText(m_offsetUnits / kOffsetUnitsPerDegree);
}

std::string TShownDisk::countLine() const {
    return hasTable() ? misreadLine(m_graySweep, m_binarySweep) : "";
}

std::string TShownDisk::readingLog() const {
    if (m_log.empty()) return "";
    // A reading that the head's next sector continues is one position read, shown once.
    std::vector<std::string> shown;
    const TSweepReading* previous = nullptr;
    for (const std::size_t index : m_log) {
        const TSweepReading& reading = shownSweep().readings[index];
        if (previous != nullptr && previous->word == reading.word) continue;
        previous = &reading;
        shown.push_back(
            (reading.position < 0 ? reading.word : std::to_string(reading.position + 1)) +
            (reading.jump ? "!" : ""));
    }
    const std::size_t first = shown.size() > kLogShown ? shown.size() - kLogShown : 0;
    std::string text = first > 0 ? "Gelesen: … " : "Gelesen: ";
    for (std::size_t i = first; i < shown.size(); ++i) {
        text += (i == first ? "" : " → ") + shown[i];
    }
    return text;
}

std::vector<std::string> TShownDisk::ringNames() const {
    std::vector<std::string> names;
    const auto rings = static_cast<std::int32_t>(hasTable() ? m_grayWords.front().size() : 0);
    for (std::int32_t ring = 1; ring <= rings; ++ring) names.push_back(ringName(ring, rings));
    return names;
}

std::string TShownDisk::readingDecoding() const {
    if (!hasTable() || (m_shown && m_binary)) return "";
    const std::string& word = reading().word;
    return decodingText(*m_cycle, word);
}

const TSweepReading& TShownDisk::reading() const { return readingAt(shownSweep(), m_angle); }

THeadShape TShownDisk::headShape(std::int32_t width) const {
    return ::headShape(width, reading().word, static_cast<std::int32_t>(m_grayWords.size()),
                       m_angle);
}

std::vector<std::pair<double, double>> TShownDisk::misreadStretches() const {
    std::vector<std::pair<double, double>> stretches;
    for (const TSweepReading& stretch : shownSweep().readings) {
        if (stretch.misread) stretches.emplace_back(stretch.fromDegrees, stretch.toDegrees);
    }
    return stretches;
}

void TShownDisk::offsetChanged() {
    m_log.clear();
    const std::vector<double> turned = offsets();
    m_graySweep = sweep(m_grayWords, turned);
    m_binarySweep = sweep(m_binaryWords, turned);
}

std::vector<double> TShownDisk::offsets() const {
    return ringOffsets(m_grayWords.front().size(), static_cast<std::size_t>(m_ring),
                       m_offsetUnits / kOffsetUnitsPerDegree);
}
