// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/practiceRound.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/cycleOf.h"

namespace {

// A round answered right, wrong and not at all, by digits, typing and Enter.
TEST(PracticeRound, ChecksCountsAndEndsWithTheScore) {
    TPracticeRound round;
    round.start(cycleOf(10), 3);
    EXPECT_EQ(round.progress(), "Aufgabe 1 von 10");
    std::vector<std::string> missed;
    for (int i = 0; i < TPracticeRound::kTasksPerRound; ++i) {
        const TTask& task = round.task();
        round.confirm();  // nothing given: nothing to check
        EXPECT_FALSE(round.checked());
        EXPECT_EQ(round.buttonText(), "Prüfen");
        const bool answerRight = i % 3 != 0;
        if (!answerRight) missed.push_back(task.question);
        if (task.choices.empty()) {
            EXPECT_FALSE(round.pickByKey("a"));
            round.type(answerRight ? " " + task.answer + " " : task.answer + "9");
        } else {
            const auto right = std::find(task.choices.begin(), task.choices.end(), task.answer) -
                               task.choices.begin();
            EXPECT_FALSE(round.pickByKey("1"));  // digits are typed, never a choice
            EXPECT_FALSE(round.pickByKey("e"));
            const auto choice = static_cast<std::size_t>(answerRight ? right : (right + 1) % 4);
            EXPECT_TRUE(round.pickByKey(i % 2 == 0
                                            ? choiceLabel(choice).substr(0, 1)
                                            : std::string(1, static_cast<char>('A' + choice))));
            EXPECT_EQ(round.picked(), static_cast<int>(choice));
        }
        round.confirm();
        EXPECT_EQ(round.feedback(),
                  answerRight ? "Richtig!" : "Leider falsch – richtig ist " + task.answer + ".");
        EXPECT_EQ(round.explanation(), answerRight ? "" : task.explanation);
        round.pick(0);  // an answer once checked stays
        EXPECT_EQ(round.buttonText(), "Weiter");
        round.confirm();
    }
    EXPECT_TRUE(round.finished());
    EXPECT_EQ(round.score(), "6 von 10 richtig");
    EXPECT_EQ(round.buttonText(), "Neue Runde");
    // "Falsche Aufgaben wiederholen": the four missed tasks, in their order, then no more.
    ASSERT_TRUE(round.canRepeatWrong());
    round.repeatWrong();
    EXPECT_EQ(round.progress(), "Aufgabe 1 von 4");
    for (const std::string& question : missed) {
        EXPECT_EQ(round.task().question, question);
        round.type(round.task().answer);
        if (!round.task().choices.empty()) round.pickByKey("a");
        round.check();
        round.next();
    }
    EXPECT_TRUE(round.finished());
    round.confirm();
    EXPECT_EQ(round.progress(), "Aufgabe 1 von 10");
    EXPECT_EQ(round.rightAnswers(), 0);
}

// "Aufgabenarten": a new round of the chosen kinds at once; the last kind stays chosen.
TEST(PracticeRound, ChosenKindsStartARoundOfThoseKinds) {
    TPracticeRound round;
    round.start(cycleOf(12), 4);
    EXPECT_FALSE(round.setKind(TTaskKind::Decode, true));  // chosen already
    for (const TTaskKind kind :
         {TTaskKind::NextWord, TTaskKind::ChangingRing, TTaskKind::ReadSector}) {
        EXPECT_TRUE(round.setKind(kind, false));
    }
    EXPECT_FALSE(round.setKind(TTaskKind::Decode, false));
    EXPECT_EQ(round.progress(), "Aufgabe 1 von 10");
    for (int i = 0; i < TPracticeRound::kTasksPerRound; ++i) {
        EXPECT_EQ(round.task().kind, TTaskKind::Decode);
        round.pickByKey("b");
        round.confirm();
        round.confirm();
    }
    EXPECT_TRUE(round.finished());
}

}  // namespace
