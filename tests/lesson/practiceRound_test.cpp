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
    for (int i = 0; i < TPracticeRound::kTasksPerRound; ++i) {
        const TTask& task = round.task();
        round.confirm();  // nothing given: nothing to check
        EXPECT_FALSE(round.checked());
        EXPECT_EQ(round.buttonText(), "Prüfen");
        const bool answerRight = i % 3 != 0;
        if (task.choices.empty()) {
            EXPECT_FALSE(round.pickByDigit(1));
            round.type(answerRight ? " " + task.answer + " " : task.answer + "9");
        } else {
            const auto right = std::find(task.choices.begin(), task.choices.end(), task.answer) -
                               task.choices.begin();
            EXPECT_FALSE(round.pickByDigit(5));
            EXPECT_TRUE(
                round.pickByDigit(static_cast<int>(answerRight ? right : (right + 1) % 4) + 1));
        }
        round.confirm();
        EXPECT_EQ(round.feedback(),
                  answerRight ? "Richtig!" : "Leider falsch – richtig ist " + task.answer);
        round.pick(0);  // an answer once checked stays
        EXPECT_EQ(round.buttonText(), "Weiter");
        round.confirm();
    }
    EXPECT_TRUE(round.finished());
    EXPECT_EQ(round.score(), "6 von 10 richtig");
    EXPECT_EQ(round.buttonText(), "Neue Runde");
    round.confirm();
    EXPECT_EQ(round.progress(), "Aufgabe 1 von 10");
    EXPECT_EQ(round.rightAnswers(), 0);
}

}  // namespace
