// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gray/diskLayout.h"
#include "gray/grayCycle.h"
#include "gray/grayWindow.h"
#include "gray/readHeadPanel.h"
#include "lib/colors.h"

class TGray;

// The browser page's main window, apart from the DOM: it builds the table on OK, collects the
// listing, draws the disk on its canvas and keeps the selected word. The page's script shows
// what it says; everything that decides something is here, testable natively.
class TGrayPage : public TGrayWindow {
public:
    // The disk canvas stays the caller's and must outlive the page. Installs the page as
    // GrayWindow for its lifetime.
    explicit TGrayPage(TCanvas& disk);
    ~TGrayPage() override;
    TGrayPage(const TGrayPage&) = delete;
    TGrayPage& operator=(const TGrayPage&) = delete;

    void appendListingLine(const std::string& text) override { m_listing.push_back(text); }
    TCanvas& diskImage() override { return m_disk; }

    // The OK button for a typed count: builds the table of shownCount(typed) words, fills the
    // listing, checks the cycle and clears the selection. Returns the count built.
    std::int32_t ok(std::int64_t typed);
    // The table shown, or nullptr before the first OK.
    const TGray* gray() const { return m_gray.get(); }
    const std::vector<std::string>& listing() const { return m_listing; }
    const TCycleCheck& cycleCheck() const { return m_cycle; }

    // Draws the table's disk on the page's disk canvas at its width; nothing before the first OK.
    void paintDisk();

    // Selects the word at cycle position word (0-based); false, selecting nothing, when there
    // is no such word.
    bool select(std::int32_t word);
    // Selects the word step positions on along the cycle, or the first when none is selected.
    void step(std::int32_t step);
    std::optional<std::int32_t> selected() const { return m_selected; }
    // The selected word's explanation on one line, or "".
    std::string statusLine() const;
    // What a screen reader says of the disk: its size, then the selected word's explanation.
    std::string diskDescription() const;

    // The selection's mark on a disk of width pixels: the sector's outline across all rings
    // and the stretch of its boundary in the ring that changes towards the next word.
    struct TSectorMark {
        double centre;
        double outerRadius;
        double innerRadius;
        double startAngle;  // radians, counter-clockwise on screen from 3 o'clock
        double endAngle;
        TDiskLayout::TPoint changeFrom;
        TDiskLayout::TPoint changeTo;
        double outlineWidth;
        double changeWidth;
    };
    std::optional<TSectorMark> mark(std::int32_t width) const;
    // The sector under (x, y) on a disk of width pixels, or nothing.
    std::optional<std::int32_t> sectorAt(std::int32_t width, double x, double y) const;

    // The disk as a 700 x 700 SVG document, system colours drawn in face.
    std::string diskSvg(TColor face);

    // The read head ("Lesekopf") as the window has it: shown or not, its angle, one ring turned
    // by "Versatz" and "Dualcode" for the plain binary disk. A new OK keeps them, the ring and
    // offset fitted to the new disk. While shown, paintDisk draws the disk shown with its turn.
    void showReadHead(bool shown);
    bool readHeadShown() const { return m_headShown; }
    void setHeadAngle(double degrees);
    double headAngle() const { return m_headAngle; }
    // Left (-1) or Right (+1) on the disk: turns the shown head by a fine step, else walks
    // the selection.
    void stepOnDisk(std::int32_t step);
    // A press or drag at (x, y) of a disk of width pixels: moves the shown head there, else a
    // press selects the sector under it. Returns whether anything changed.
    bool pointAt(std::int32_t width, double x, double y, bool dragged);
    // The ring turned (0 = the outermost) and its offset in kOffsetUnitsPerDegree, clamped.
    void setOffsetRing(std::int32_t ring);
    void setOffsetUnits(std::int32_t units);
    void setBinary(bool binary);
    std::int32_t offsetRing() const { return m_ring; }
    std::int32_t offsetUnits() const { return m_offsetUnits; }
    std::int32_t maxOffset() const;
    std::vector<std::string> ringNames() const;
    // "Drehen" and "Anhalten": starts or stops one turn; a frame turns the head on by its share.
    void startOrStopTurn();
    void advanceTurn();
    bool turning() const { return m_turning; }

    // The panel's texts: the head's reading, the offset, the count line and the turn button.
    TReadHeadPanel headPanel() const;
    std::string offsetText() const;
    std::string countLine() const;
    std::string turnButtonText() const { return m_turning ? "Anhalten" : "Drehen"; }
    // The head and the stretches of a turn that misread, on a disk of width pixels, while the
    // head is shown; angles in radians counter-clockwise from 3 o'clock.
    std::optional<THeadShape> head(std::int32_t width) const;
    struct TMisreadTint {
        double centre;
        double outerRadius;
        double innerRadius;
        std::vector<std::pair<double, double>> stretches;
    };
    std::optional<TMisreadTint> misreadTint(std::int32_t width) const;

private:
    TCanvas& m_disk;
    TGrayWindow* m_previous;
    std::unique_ptr<TGray> m_gray;
    std::vector<std::string> m_listing;
    TCycleCheck m_cycle{false, ""};
    std::optional<std::int32_t> m_selected;

    // The read head; the sweeps are both disks' turns at the current offset.
    void headSettingsChanged();
    const TSweep& shownSweep() const;
    const std::vector<std::string>& shownWords() const;
    std::vector<double> offsets() const;
    std::vector<std::string> m_grayWords;
    std::vector<std::string> m_binaryWords;
    TSweep m_graySweep{{}, 0};
    TSweep m_binarySweep{{}, 0};
    bool m_headShown = false;
    double m_headAngle = 0;
    std::int32_t m_ring = -1;  // the innermost ring at the first OK
    std::int32_t m_offsetUnits = 0;
    bool m_binary = false;
    bool m_turning = false;
    double m_turnStart = 0;
    std::int32_t m_turnFrame = 0;
};
