// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/grayPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "gray/GrayUnit.h"
#include "lesson/practice.h"
#include "tests/support/cycleOf.h"
#include "tests/support/recordingCanvas.h"

namespace {

TEST(TGrayPage, OkBuildsTheShownCountAndItsListing) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    EXPECT_EQ(page.sectorAt(700, 10, 350), std::nullopt);  // no table yet
    EXPECT_EQ(page.ok(11), 12);
    ASSERT_EQ(page.listing().size(), 12u);
    EXPECT_EQ(page.listing().front(), "0000");
    EXPECT_EQ(page.listing().back(), "1000");
    EXPECT_EQ(page.cycleCheck().text, "Zyklisch: alle 12 Übergänge ändern genau ein Bit");
    page.paintDisk();
    EXPECT_EQ(disk.calls.size(), 3 + 4 * 2 * 12 + 2u);  // frame, four rings of 12, inner disc

    EXPECT_TRUE(page.select(11));
    EXPECT_EQ(page.ok(200), 64);  // a new table clears the selection
    EXPECT_EQ(page.selected(), std::nullopt);
    EXPECT_EQ(page.statusLine(), "");
}

TEST(TGrayPage, SelectionWalksTheCycleAndExplainsItself) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.ok(10);
    EXPECT_FALSE(page.select(10));
    EXPECT_FALSE(page.select(-1));
    page.step(-1);  // nothing selected: the first word
    EXPECT_EQ(page.selected(), 0);
    page.step(-1);
    EXPECT_EQ(page.selected(), 9);
    page.step(1);
    EXPECT_EQ(page.selected(), 0);
    EXPECT_EQ(page.statusLine(),
              "Position 1 von 10: 0000  ·  Nummer 0 im vollständigen Code  ·  Zum nächsten "
              "Codewort 0001 ändert sich Bit 0 (Ring 1, außen)  ·  0000 → Dualzahl 0000 → "
              "Nummer 0 im vollständigen Code → 0 + 1 = Position 1 von 10");
    EXPECT_TRUE(
        page.diskDescription().starts_with("n = 10 Codewörter, 4 Ringe. Position 1 von 10"));
}

TEST(TGrayPage, MarkOutlinesTheSectorAndTheChangingRing) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.ok(10);
    EXPECT_EQ(page.mark(700), std::nullopt);
    page.select(1);  // 0001 -> 0011: bit 1, the second ring from 280 down to 210
    const auto mark = page.mark(1400).value();
    EXPECT_EQ(mark.outerRadius, 700);
    EXPECT_EQ(mark.innerRadius, 700 - 4 * 140);
    EXPECT_NEAR(mark.startAngle, 0.2 * std::numbers::pi, 1e-12);
    EXPECT_NEAR(mark.endAngle, 0.4 * std::numbers::pi, 1e-12);
    ASSERT_EQ(mark.changes.size(), 1u);
    EXPECT_NEAR(mark.changes[0].first.x, 700 + 560 * std::cos(0.4 * std::numbers::pi), 1e-9);
    EXPECT_NEAR(mark.changes[0].second.y, 700 - 420 * std::sin(0.4 * std::numbers::pi), 1e-9);
    EXPECT_EQ(mark.outlineWidth, 6);
    EXPECT_EQ(mark.changeWidth, 18);
    EXPECT_EQ(page.sectorAt(1400, 700 + 600 * std::cos(1.0), 700 - 600 * std::sin(1.0)), 1);
}

TEST(TGrayPage, SvgIsTheEnginesDiskWithItsTitle) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    EXPECT_EQ(page.diskSvg(), "");
    page.ok(6);
    const std::string svg = page.diskSvg();
    EXPECT_NE(svg.find("<title>Codescheibe mit 6 Wörtern</title>"), std::string::npos);
    std::size_t paths = 0;
    for (std::size_t at = svg.find("<path"); at != std::string::npos;
         at = svg.find("<path", at + 1))
        ++paths;
    EXPECT_EQ(paths, 3 * 6u);
    EXPECT_NE(svg.find("fill=\"#efefef\""), std::string::npos);
    // True to size as on the worksheets, whatever the screen.
    EXPECT_NE(svg.find("width=\"120mm\" height=\"120mm\" viewBox=\"0 0 700 700\""),
              std::string::npos);
}

}  // namespace

namespace {

// With the head on the binary disk the page draws, saves and describes that disk, and a drag
// moves the head instead of selecting.
TEST(TGrayPage, DiskPictureAndTextsFollowTheReadHead) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.ok(16);
    page.select(7);
    const std::string plainSvg = page.diskSvg();
    EXPECT_EQ(page.statusLine().substr(0, 23), "Position 8 von 16: 0100");

    page.shownDisk().setShown(true);
    page.shownDisk().setBinary(true);
    EXPECT_NE(page.diskSvg(), plainSvg);
    EXPECT_EQ(page.statusLine().substr(0, 35), "Position 8 von 16 im Dualcode: 0111");
    EXPECT_EQ(page.mark(700)->changes.size(), 4u);
    EXPECT_TRUE(page.pointAt(700, 350, 100, true));  // dragged to 12 o'clock
    EXPECT_DOUBLE_EQ(page.shownDisk().angle(), 90);
    EXPECT_EQ(page.selected(), 7);
}

// Home and End select the ends of the listing; Page Up and Down turn the shown head by a sector,
// else walk the selection by one word.
TEST(TGrayPage, HomeEndAndPageKeys) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.selectEnd(true);  // before the first OK: nothing
    EXPECT_EQ(page.selected(), std::nullopt);
    page.ok(12);
    const struct {
        bool head;
        bool end;  // else a sector step
        int by;
        int selected;
        double angle;
    } cases[] = {
        {false, true, 1, 11, 0},  {false, true, 0, 0, 0},  {false, false, -1, 11, 0},
        {false, false, 1, 0, 0},  {true, false, 1, 0, 30}, {true, false, 1, 0, 60},
        {true, false, -1, 0, 30}, {true, true, 1, 11, 30},
    };
    for (const auto& c : cases) {
        page.showPanel(TLessonPanel::ReadHead, c.head);
        if (c.end) {
            page.selectEnd(c.by != 0);
        } else {
            page.sectorOnDisk(c.by);
        }
        EXPECT_EQ(page.selected(), c.selected);
        EXPECT_DOUBLE_EQ(page.shownDisk().angle(), c.angle);
    }
}

}  // namespace

namespace {

// Every OK shows the construction of the new count from Start, stopped, and the panel stays open.
TEST(TGrayPage, ConstructionFollowsOkFromStart) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.showPanel(TLessonPanel::Construction, true);
    // Nothing to show before the first OK.
    EXPECT_NE(page.panel(), TLessonPanel::Construction);
    EXPECT_TRUE(page.stepRows().empty());
    page.ok(4);
    const struct {
        std::int64_t typed;
        int steps;
    } counts[] = {{10, 6}, {10, 6}, {3, 4}, {64, 8}, {19, 7}};
    for (const auto& [typed, steps] : counts) {
        page.construction().last();
        page.construction().startOrStopPlaying();  // from the last step: plays from Start
        page.construction().tick();
        ASSERT_TRUE(page.construction().playing());
        ASSERT_EQ(page.construction().stepIndex(), 1);
        page.ok(typed);
        page.showPanel(TLessonPanel::Construction, true);
        EXPECT_EQ(page.construction().stepIndex(), 0) << typed;
        EXPECT_FALSE(page.construction().playing()) << typed;
        EXPECT_EQ(page.construction().stepCount(), steps) << typed;
        EXPECT_EQ(page.panel(), TLessonPanel::Construction) << typed;
    }
    EXPECT_EQ(page.construction().counter(), "Schritt 1 von 7");
    const std::vector<TGrayPage::TStepRow> start = page.stepRows();
    ASSERT_EQ(start.size(), 2u);  // Start: 0 and 1, nothing marked
    EXPECT_EQ(start[1].number + " " + start[1].prefix + start[1].rest, "1 1");
    EXPECT_FALSE(start[0].marked || start[1].marked);
}

}  // namespace

namespace {

// While practising, the selection stays but is neither shown nor changed, and the disk outlines
// the task's sector without the changing ring, which would answer a task; closing brings the
// selection back. Each OK starts a round of its count from the seed given.
TEST(TGrayPage, PracticeHidesTheSelectionAndFollowsOk) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    page.showPanel(TLessonPanel::Practice, true);
    EXPECT_FALSE(page.practising());  // nothing to practise before the first OK
    page.setPracticeSeed(8);
    page.ok(10);
    page.select(3);
    const std::string status = page.statusLine();
    page.showPanel(TLessonPanel::Practice, true);
    ASSERT_TRUE(page.practising());
    EXPECT_EQ(page.practice().task().question, practiceTasks(cycleOf(10), 8, 10).front().question);
    EXPECT_EQ(page.statusLine(), "");
    EXPECT_EQ(page.diskDescription(), "n = 10 Codewörter, 4 Ringe");
    EXPECT_FALSE(page.select(5));
    EXPECT_FALSE(page.pointAt(700, 350, 100, false));
    // Only a sector to read is marked; seed 8 asks one first.
    ASSERT_EQ(page.practice().task().kind, TTaskKind::ReadSector);
    const TSectorMark mark = page.mark(700).value();
    EXPECT_NEAR(mark.startAngle, page.practice().task().sector * std::numbers::pi / 5, 1e-12);
    EXPECT_TRUE(mark.changes.empty());
    page.showPanel(TLessonPanel::Practice, false);
    EXPECT_EQ(page.statusLine(), status);
    EXPECT_EQ(page.mark(700)->changes.size(), 1u);

    page.showPanel(TLessonPanel::Practice, true);
    page.practice().pick(0);
    page.typeAnswer("1");
    page.practice().confirm();
    page.practice().confirm();
    ASSERT_EQ(page.practice().progress(), "Aufgabe 2 von 10");
    page.setPracticeSeed(8);
    page.ok(11);
    EXPECT_TRUE(page.practising());
    EXPECT_EQ(page.practice().progress(), "Aufgabe 1 von 10");
    EXPECT_EQ(page.practice().task().question, practiceTasks(cycleOf(12), 8, 10).front().question);
    EXPECT_EQ(page.practice().typed(), "");
}

// "Für Moodle speichern…": twenty tasks of the table's count, named after it.
TEST(TGrayPage, MoodleBankIsOfTheTablesCount) {
    RecordingCanvas disk(700, 700);
    TGrayPage page(disk);
    EXPECT_EQ(page.moodleXml(1) + page.moodleFileName(), "");
    page.ok(14);
    EXPECT_EQ(page.moodleFileName(), "zyklora-gray-code-14.xml");
    EXPECT_EQ(page.moodleXml(3),
              moodleXml(practiceTasks(cycleOf(14), 3, 20), "Zyklora/Gray-Code n=14"));
}

}  // namespace
