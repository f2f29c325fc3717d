// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lesson/readHead.h"
#include "lesson/readHeadPanel.h"
#include "lesson/sectorMark.h"

class TCanvas;
class TGrayCycle;

// The read head's state (see readHead.h for where each read-head fact goes).
//
// The read head ("Lesekopf") and the disk it lies on, for the window and the browser page
// alike: whether the head is shown, its angle, the ring that "Versatz" turns and by how much,
// whether "Dualcode" swaps in the plain binary disk, and a running turn ("Drehen"). Both
// editions hold one, hand it what the user does and show what it says. The disk they draw,
// save, mark and describe is the disk shown: the table's plain Gray disk while the head is
// hidden, else shownWords() with shownOffsets().
//
// Nothing here throws on the user's input: angles that are no finite number are ignored, rings
// and offsets are clamped, and without a table every setter keeps its value for the next one.
class TShownDisk {
public:
    // Takes the code of an OK. The head stays shown or hidden at its angle, the binary switch
    // stays; the chosen ring is fitted and the offset clamped to the new disk, the first table
    // choosing the innermost ring. cycle must stay alive until the next call.
    void setCycle(const TGrayCycle& cycle);
    bool hasTable() const { return m_cycle != nullptr; }

    // Shows or hides the head; hiding it stops a running turn. Without a table it stays hidden.
    void setShown(bool shown);
    bool shown() const { return m_shown; }
    // Puts the head at degrees, taken into [0, 360).
    void setAngle(double degrees);
    double angle() const { return m_angle; }
    // Left (-1) or Right (+1) on the disk: turns the head by kHeadFineStepDegrees.
    void step(std::int32_t direction);
    // Page Up (-1) or Page Down (+1): turns the head by one sector of the disk shown.
    void stepSector(std::int32_t direction);

    // The ring that "Versatz" turns (0 = the outermost) and its offset in hundredths of a
    // degree, both clamped to the disk.
    void setRing(std::int32_t ring);
    std::int32_t ring() const { return m_ring; }
    void setOffsetUnits(std::int32_t units);
    std::int32_t offsetUnits() const { return m_offsetUnits; }
    std::int32_t maxOffset() const;
    void setBinary(bool binary);
    bool binary() const { return m_binary; }

    // "Drehen" and "Anhalten": starts one turn from the head's angle, or stops it. Only a shown
    // head turns. A frame turns the head on by its share; the last ends where the turn began.
    void startOrStopTurn();
    void advanceTurn();
    bool turning() const { return m_turning; }

    // The disk shown.
    bool showsPlainDisk() const;
    const std::vector<std::string>& shownWords() const;
    // One offset per ring, or empty while the disk shown has no turned ring.
    std::vector<double> shownOffsets() const;
    // Draws the disk shown on canvas; nothing without a table.
    void paintShownDisk(TCanvas& canvas) const;
    // What sector word of the disk shown holds, on lines, as sectorDescription does for the
    // plain disk, then the word's decoding (decodingText); the binary disk's and a turned
    // ring's lines say so instead.
    std::string sectorDescription(std::int32_t word) const;
    TSectorMark sectorMark(std::int32_t width, std::int32_t word) const;

    // The panel's texts.
    TReadHeadPanel panel() const;
    std::string offsetText() const;
    std::string countLine() const;
    // The reading log of the last turn ("Drehen"): the positions read so far, in order, the
    // latest kLogShown of them, a jump marked "!" and a word of no sector shown as read, e.g.
    // "Gelesen: 3 → 4 → 6! → 5"; "" before a turn and after the disk, ring or offset changed.
    static constexpr std::size_t kLogShown = 16;
    std::string readingLog() const;
    std::string turnButtonText() const { return m_turning ? "Anhalten" : "Drehen"; }
    std::vector<std::string> ringNames() const;
    // How a controller decodes the word read on the Gray disk, or "" for a word of none of its
    // sectors or on the binary disk.
    std::string readingDecoding() const;
    // The reading under the head, its shape on a disk of width pixels, and the stretches of a
    // turn that misread (degrees, counter-clockwise from 3 o'clock). Only with a table.
    const TSweepReading& reading() const;
    THeadShape headShape(std::int32_t width) const;
    std::vector<std::pair<double, double>> misreadStretches() const;

private:
    // The sweeps of both disks and the count line follow the ring and its offset.
    void offsetChanged();
    const TSweep& shownSweep() const { return m_binary ? m_binarySweep : m_graySweep; }
    std::vector<double> offsets() const;

    const TGrayCycle* m_cycle = nullptr;
    std::vector<std::string> m_grayWords;
    std::vector<std::string> m_binaryWords;
    TSweep m_graySweep{{}, 0, 0};
    TSweep m_binarySweep{{}, 0, 0};
    // The readings met during the last turn, in order, as indices into the sweep shown.
    std::vector<std::size_t> m_log;
    bool m_shown = false;
    double m_angle = 0;
    std::int32_t m_ring = -1;  // the innermost ring at the first table
    std::int32_t m_offsetUnits = 0;
    bool m_binary = false;
    bool m_turning = false;
    double m_turnStart = 0;
    std::int32_t m_turnFrame = 0;
};
