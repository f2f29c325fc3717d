// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gray/cycleCheck.h"
#include "gray/grayCycle.h"
#include "lesson/constructionPlayer.h"
#include "lesson/practiceRound.h"
#include "lesson/sectorMark.h"
#include "lesson/shownDisk.h"

// The toolbar's actions of both editions, in the order of their buttons.
enum class TActionId : std::uint8_t {
    Info,
    Help,
    Exit,
    SaveDisk,
    Print,
    CopyTable,
    ReadHead,
    Construction,
    Practice,
    Worksheet,
    BuildDisk,
};

// One action: its German name, its key as text ("Strg+Umschalt+C" spelt "Ctrl+Shift+C", as
// QKeySequence reads it) and whether its tooltip names the key. The classic buttons keep their
// tooltips exactly; the added ones name their key, as in "Drucken (Strg+P)".
struct TLessonAction {
    TActionId id;
    std::string_view name;
    std::string_view key;
    bool keyInTooltip;
};

// Every action of the toolbar, in the order of their buttons.
const std::array<TLessonAction, 11>& lessonActions();
const TLessonAction& lessonAction(TActionId id);
// The action that a key press starts: key as KeyboardEvent.key names it ("i", "F1"), with the
// state of Ctrl (or Cmd) and Shift. Nothing for any other press.
std::optional<TActionId> actionForKey(std::string_view key, bool ctrl, bool shift);

// The Moodle question bank ("Für Moodle speichern…") of the code of cycle: kMoodleTasks distinct
// tasks of the chosen kinds drawn from seed (all there are where they are fewer), in the
// category "Zyklora/Gray-Code n=10", and its file name "zyklora-gray-code-10.xml".
inline constexpr int kMoodleTasks = 20;
std::string moodleBank(const TGrayCycle& cycle, unsigned seed, const TTaskKinds& kinds = {});
std::string moodleBankFileName(const TGrayCycle& cycle);

// The panels beside or over the disk that a lesson shows, at most one at a time.
enum class TLessonPanel : std::uint8_t { None, ReadHead, Construction, Practice };

// One lesson for the window and the browser page alike: the code of the last OK, the selected
// word, which panel is open, the read head and the disk shown, the construction and a practice
// round. The editions forward what the user does and show what the session says. Nothing here
// throws on the user's input.
class TLessonSession {
public:
    // What OK does after building the table of cycle: checks the cycle, clears the selection,
    // takes the disk shown to the new code, shows its construction from Start and starts a
    // practice round about it. cycle must outlive the session (TGrayCycle::of's do).
    void showTable(const TGrayCycle& cycle);
    // The code shown, or nullptr before the first OK.
    const TGrayCycle* cycle() const { return m_cycle; }
    const TCycleCheck& cycleCheck() const { return m_cycleCheck; }

    // Selects the word at cycle position word (0-based); false, selecting nothing, when there
    // is no such word or while practising.
    bool select(std::int32_t word);
    // Selects the word of row (the full code's index) of the table; false for a dropped word.
    bool selectTableRow(std::int32_t row);
    // Selects the word step positions on along the cycle, or the first when none is selected;
    // nothing while practising.
    void step(std::int32_t step);
    // Home (last false) or End (last true) in the listing: selects the first or the last word.
    void selectEnd(bool last);
    // Selects nothing.
    void clearSelection() { m_selected.reset(); }
    // The selected word; it stays selected, though not shown, while practising.
    std::optional<std::int32_t> selected() const { return m_selected; }
    // The selected word's explanation on one line, or "" (always while practising, as it would
    // give answers away).
    std::string statusLine() const;
    // What a screen reader says of the disk: its size, then the selected word's explanation
    // unless practising.
    std::string diskDescription() const;
    // The selection's mark on the disk shown, width pixels wide; while practising only the
    // outline of a sector that the task names (markedSector), without the changing ring.
    std::optional<TSectorMark> mark(std::int32_t width) const;
    // The sector under (x, y) on a disk of width pixels, or nothing.
    std::optional<std::int32_t> sectorAt(std::int32_t width, double x, double y) const;

    // Left (-1) or Right (+1) on the disk: turns the shown head by a fine step, else walks
    // the selection.
    void stepOnDisk(std::int32_t step);
    // Page Up (-1) or Page Down (+1) on the disk: turns the shown head by a whole sector, else
    // walks the selection by one word.
    void sectorOnDisk(std::int32_t step);
    // A press or drag at (x, y) of a disk of width pixels: moves the shown head there, else a
    // press selects the sector under it. Returns whether anything changed.
    bool pointAt(std::int32_t width, double x, double y, bool dragged);

    // Shows or hides panel; showing one hides the others. Hiding the construction stops its
    // playing, hiding the read head its turn. The construction and practice open only after
    // the first OK.
    void showPanel(TLessonPanel panel, bool shown);
    TLessonPanel panel() const { return m_panel; }
    bool practising() const { return m_panel == TLessonPanel::Practice; }

    // The read head ("Lesekopf") and the disk it lies on; the selection's texts and marks
    // follow the disk it shows.
    TShownDisk& shownDisk() { return m_shownDisk; }
    const TShownDisk& shownDisk() const { return m_shownDisk; }
    // The construction of the last OK's code: its step shown, buttons, keys and ticks.
    TConstructionPlayer& construction() { return m_construction; }
    const TConstructionPlayer& construction() const { return m_construction; }

    // A row of the construction panel's table ("Nummer", "Codewort"): the word's number in the
    // step's list, counted from 0 as the table's "Nummer" (in the closed cycle its number in the
    // full code); on a mirror step the word's prefix bit apart from the rest; and whether the
    // step marks the row.
    struct TStepRow {
        std::string number;
        std::string prefix;
        std::string rest;
        bool marked;
    };
    std::vector<TStepRow> stepRows() const;

    // The round of the last OK; its answers go through the calls below.
    TPracticeRound& practice() { return m_practice; }
    const TPracticeRound& practice() const { return m_practice; }
    // The seed of the round that the next OK starts.
    void setPracticeSeed(unsigned seed) { m_practiceSeed = seed; }
    // What is typed for a task without choices; ignored otherwise and once checked.
    void typeAnswer(const std::string& text);

    // "Scheibe speichern" as SVG: the disk shown, 120 mm across as on the worksheets, on the
    // paper's face; the same bytes in both editions, "" before the first OK.
    std::string diskSvg() const;

    // The question bank of the code shown (moodleBank) of the round's kinds and its file's
    // name; "" before the first OK.
    std::string moodleXml(unsigned seed) const;
    std::string moodleFileName() const;

private:
    const TGrayCycle* m_cycle = nullptr;
    TCycleCheck m_cycleCheck{false, ""};
    std::optional<std::int32_t> m_selected;
    TLessonPanel m_panel = TLessonPanel::None;
    TShownDisk m_shownDisk;
    TConstructionPlayer m_construction;
    TPracticeRound m_practice;
    unsigned m_practiceSeed = 0;
};
