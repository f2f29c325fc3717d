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
#include "lesson/constructionPlayer.h"
#include "lesson/practiceRound.h"
#include "lesson/shownDisk.h"
#include "lib/colors.h"

class TGray;
struct TSheet;

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
    // listing, checks the cycle, clears the selection, shows the construction of the new
    // count from Start and starts a practice round about it. Returns the count built.
    std::int32_t ok(std::int64_t typed);
    // The table shown, or nullptr before the first OK.
    const TGray* gray() const { return m_gray.get(); }
    const std::vector<std::string>& listing() const { return m_listing; }
    const TCycleCheck& cycleCheck() const { return m_cycle; }

    // Draws the table's disk on the page's disk canvas at its width; nothing before the first OK.
    void paintDisk();

    // Selects the word at cycle position word (0-based); false, selecting nothing, when there
    // is no such word or while practising.
    bool select(std::int32_t word);
    // Selects the word step positions on along the cycle, or the first when none is selected;
    // nothing while practising.
    void step(std::int32_t step);
    // Home (last false) or End (last true) in the listing: selects the first or the last word.
    void selectEnd(bool last);
    // The selected word; it stays selected, though not shown, while practising.
    std::optional<std::int32_t> selected() const { return m_selected; }
    // The selected word's explanation on one line, or "" (always while practising, as it would
    // give answers away).
    std::string statusLine() const;
    // What a screen reader says of the disk: its size, then the selected word's explanation
    // unless practising.
    std::string diskDescription() const;

    // The selection's mark on the disk shown, width pixels wide; while practising the outline
    // of the task's sector instead, without the changing ring, which would answer a task.
    std::optional<TSectorMark> mark(std::int32_t width) const;
    // The sector under (x, y) on a disk of width pixels, or nothing.
    std::optional<std::int32_t> sectorAt(std::int32_t width, double x, double y) const;

    // The disk shown as a kDesignedDiskSize square SVG document, system colours drawn in face.
    std::string diskSvg(TColor face);

    // The read head ("Lesekopf") and the disk it lies on; paintDisk, mark, diskSvg and the
    // selection's texts follow the disk it shows.
    TShownDisk& readHead() { return m_readHead; }
    const TShownDisk& readHead() const { return m_readHead; }
    // The panels beside the disk, the read head's and the construction's ("Konstruktion"):
    // at most one of them and the practice panel is shown, so showing one hides the others.
    // Hiding the construction stops its playing.
    void showReadHead(bool shown);
    void showConstruction(bool shown);
    bool constructionShown() const { return m_constructionShown; }
    // The construction of the last OK's count: its step shown, buttons, keys and ticks.
    TConstructionPlayer& construction() { return m_construction; }
    const TConstructionPlayer& construction() const { return m_construction; }

    // A row of the construction panel's table ("Nr.", "Codewort"): the word's number in the
    // step's list, counted from 0 as the table's "Nummer"; on a mirror step the word's
    // prefix bit apart from the rest; and whether the step marks the row.
    struct TStepRow {
        std::string number;
        std::string prefix;
        std::string rest;
        bool marked;
    };
    std::vector<TStepRow> stepRows() const;
    // Left (-1) or Right (+1) on the disk: turns the shown head by a fine step, else walks
    // the selection.
    void stepOnDisk(std::int32_t step);
    // Page Up (-1) or Page Down (+1) on the disk: turns the shown head by a whole sector, else
    // walks the selection by one word.
    void sectorOnDisk(std::int32_t step);
    // A press or drag at (x, y) of a disk of width pixels: moves the shown head there, else a
    // press selects the sector under it. Returns whether anything changed.
    bool pointAt(std::int32_t width, double x, double y, bool dragged);

    // "Üben": the practice panel in place of the table and the listing, the third lesson panel
    // beside the read head's and the construction's; showing one of the three hides the others.
    // Shown only after the first OK.
    void showPractice(bool shown);
    bool practiceShown() const { return m_practiceShown; }
    // The round of the last OK; its answers go through the calls below.
    const TPracticeRound& practice() const { return m_practice; }
    // The seed of the round that the next OK starts; "Neue Runde" goes on from there.
    void setPracticeSeed(unsigned seed) { m_practiceSeed = seed; }
    // A choice picked by the mouse (0-based) or by its key (1 .. 4; false for any other
    // digit or a task without choices), and the text typed for a task without choices.
    void pickChoice(std::int32_t choice) { m_practice.pick(choice); }
    bool pickByDigit(std::int32_t digit) { return m_practice.pickByDigit(digit); }
    void typeAnswer(const std::string& text);
    // The panel's button or Enter: checks the answer, or goes on to the next task, the score,
    // or a new round.
    void confirmPractice();
    static constexpr int kMoodleTasks = 20;
    // "Für Moodle speichern…": kMoodleTasks tasks drawn from seed about the table's count as a
    // Moodle XML question bank, and the file's name; both "" before the first OK.
    std::string moodleXml(unsigned seed) const;
    std::string moodleFileName() const;

private:
    TCanvas& m_disk;
    TGrayWindow* m_previous;
    std::unique_ptr<TGray> m_gray;
    std::vector<std::string> m_listing;
    TCycleCheck m_cycle{false, ""};
    std::optional<std::int32_t> m_selected;

    TShownDisk m_readHead;
    TConstructionPlayer m_construction;
    bool m_constructionShown = false;

    TPracticeRound m_practice;
    bool m_practiceShown = false;
    unsigned m_practiceSeed = 0;
};

// A worksheet page as the page prints and saves it: an A4 SVG drawing in millimetres, vector and
// true to size, on white paper.
std::string sheetSvg(const TSheet& sheet);
