// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/lessonSession.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/cycleOf.h"

namespace {

// The three views select alike: a listing line or disk sector by position, a table row by the
// full code's index (a dropped row selects nothing), steps around the cycle either way.
TEST(TLessonSession, SelectionIsOneForListingTableAndDisk) {
    TLessonSession session;
    EXPECT_FALSE(session.select(0));  // nothing before the first OK
    session.showTable(cycleOf(10));   // keeps indices 0..8 and 15
    const struct {
        const char* what;
        bool (*act)(TLessonSession&);
        std::optional<int> selected;
    } script[] = {
        {"row 15", [](TLessonSession& s) { return s.selectTableRow(15); }, 9},
        {"step on", [](TLessonSession& s) { return s.step(1), true; }, 0},
        {"step back", [](TLessonSession& s) { return s.step(-1), true; }, 9},
        {"dropped row 12", [](TLessonSession& s) { return !s.selectTableRow(12); }, 9},
        {"sector 10", [](TLessonSession& s) { return !s.select(10); }, 9},
        {"sector 4", [](TLessonSession& s) { return s.select(4); }, 4},
        {"Home", [](TLessonSession& s) { return s.selectEnd(false), true; }, 0},
        {"End", [](TLessonSession& s) { return s.selectEnd(true), true; }, 9},
        {"practising",
         [](TLessonSession& s) {
             s.showPanel(TLessonPanel::Practice, true);
             return !s.select(2) && s.statusLine().empty();
         },
         9},
        {"practice over",
         [](TLessonSession& s) { return s.showPanel(TLessonPanel::Practice, false), true; }, 9},
        {"new OK", [](TLessonSession& s) { return s.showTable(cycleOf(12)), true; }, std::nullopt},
    };
    for (const auto& step : script) {
        EXPECT_TRUE(step.act(session)) << step.what;
        EXPECT_EQ(session.selected(), step.selected) << step.what;
    }
    EXPECT_EQ(session.cycleCheck().text, "Zyklisch: alle 12 Übergänge ändern genau ein Bit");
}

// While practising, the disk outlines only the sector that a task to read names; the other
// kinds mark nothing, as a mark would show their answers.
TEST(TLessonSession, PracticeMarksOnlyTheSectorToRead) {
    TLessonSession session;
    session.showTable(cycleOf(10));
    session.showPanel(TLessonPanel::Practice, true);
    TPracticeRound& round = session.practice();
    for (int i = 0; i < TPracticeRound::kTasksPerRound; ++i) {
        const std::optional<TSectorMark> mark = session.mark(400);
        EXPECT_EQ(mark.has_value(), round.task().kind == TTaskKind::ReadSector)
            << round.task().question;
        if (mark) {
            EXPECT_TRUE(mark->changes.empty());
        }
        round.pickByKey("a");
        round.type("1");
        round.confirm();
        round.confirm();
    }
}

// The closed cycle's list numbers its words as the table does: by their numbers in the full code.
TEST(TLessonSession, ClosedCycleRowsKeepTheTablesNumbers) {
    TLessonSession session;
    session.showTable(cycleOf(10));
    session.construction().last();
    std::string numbers;
    for (const TLessonSession::TStepRow& row : session.stepRows()) numbers += row.number + " ";
    EXPECT_EQ(numbers, "0 1 2 3 4 5 6 7 8 15 ");
}

TEST(TLessonSession, ActionKeysAreUniqueAndFoundByTheirPress) {
    std::set<std::string_view> keys;
    std::set<std::string_view> names;
    for (const TLessonAction& action : lessonActions()) {
        EXPECT_TRUE(keys.insert(action.key).second) << action.key;
        EXPECT_TRUE(names.insert(action.name).second) << action.name;
        EXPECT_EQ(&lessonAction(action.id), &action);
    }
    const struct {
        const char* key;
        bool ctrl;
        bool shift;
        std::optional<TActionId> action;
    } presses[] = {
        {"p", true, false, TActionId::Print},    {"P", true, true, TActionId::Worksheet},
        {"c", true, true, TActionId::CopyTable}, {"c", true, false, std::nullopt},
        {"F1", true, false, TActionId::Help},    {"i", true, true, TActionId::Info},
        {"i", false, false, std::nullopt},       {"u", true, false, TActionId::Practice},
        {"", true, false, std::nullopt},         {"Ctrl+I", true, false, std::nullopt},
    };
    for (const auto& press : presses) {
        EXPECT_EQ(actionForKey(press.key, press.ctrl, press.shift), press.action)
            << press.key << press.ctrl << press.shift;
    }
}

// Opening either panel beside the disk closes the other; closing the construction stops it.
TEST(TLessonSession, ReadHeadAndConstructionExcludeEachOther) {
    TLessonSession session;
    session.showTable(cycleOf(10));
    const struct {
        TLessonPanel show;
        bool shown;
        bool head;
        bool construction;
    } script[] = {
        {TLessonPanel::ReadHead, true, true, false},
        {TLessonPanel::Construction, true, false, true},
        {TLessonPanel::ReadHead, false, false, true},  // closing one opens nothing
        {TLessonPanel::ReadHead, true, true, false},
        {TLessonPanel::ReadHead, false, false, false},
        {TLessonPanel::Construction, true, false, true},
        {TLessonPanel::Construction, false, false, false},
    };
    for (std::size_t i = 0; i < std::size(script); ++i) {
        if (session.panel() == TLessonPanel::Construction && !session.construction().playing()) {
            session.construction().startOrStopPlaying();
        }
        const bool played = session.construction().playing();
        session.showPanel(script[i].show, script[i].shown);
        EXPECT_EQ(session.shownDisk().shown(), script[i].head) << i;
        EXPECT_EQ(session.panel() == TLessonPanel::Construction, script[i].construction) << i;
        EXPECT_EQ(session.construction().playing(), played && script[i].construction) << i;
    }
}

// The read head, the construction and the practice: showing one hides the other two.
TEST(TLessonSession, LessonPanelsExcludeEachOther) {
    TLessonSession session;
    session.showTable(cycleOf(10));
    const TLessonPanel head = TLessonPanel::ReadHead;
    const TLessonPanel construction = TLessonPanel::Construction;
    const TLessonPanel practice = TLessonPanel::Practice;
    const struct {
        TLessonPanel show;
        bool shown;
        const char* expected;  // head, construction, practice
    } script[] = {
        {practice, true, "001"},      {head, true, "100"},      {practice, true, "001"},
        {construction, true, "010"},  {practice, true, "001"},  {head, false, "001"},
        {construction, false, "001"}, {practice, false, "000"}, {construction, true, "010"},
        {practice, false, "010"},
    };
    for (std::size_t i = 0; i < std::size(script); ++i) {
        session.showPanel(script[i].show, script[i].shown);
        const std::string shown{session.shownDisk().shown() ? '1' : '0',
                                session.panel() == TLessonPanel::Construction ? '1' : '0',
                                session.practising() ? '1' : '0'};
        EXPECT_EQ(shown, script[i].expected) << i;
    }
}

}  // namespace
