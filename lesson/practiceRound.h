// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "lesson/practice.h"

// A round of practice, for the window and the page alike: ten tasks about the code of the last
// OK, one at a time. The student picks a choice or types an answer, "Prüfen" checks it and says
// whether it was right, "Weiter" goes on; after the last task the round's score stands, and
// "Neue Runde" draws the next ten. The editions forward the buttons and keys here and show what
// it says.
class TPracticeRound {
public:
    static constexpr int kTasksPerRound = 10;

    // A new round about the code of cycle, its tasks drawn from seed. cycle must outlive the
    // round (TGrayCycle::of's do).
    void start(const TGrayCycle& cycle, unsigned seed);
    bool started() const { return !m_tasks.empty(); }

    // The task shown and its place, e.g. "Aufgabe 3 von 10". Only while the round runs.
    const TTask& task() const { return m_tasks[m_current]; }
    std::string progress() const;
    bool finished() const { return m_current == m_tasks.size(); }

    // The answer so far: a choice (0-based) picked, or a typed text. Ignored once checked.
    void pick(int choice);
    void type(const std::string& text);
    std::optional<int> picked() const { return m_picked; }
    // What is typed for the task shown; "" on a new task.
    const std::string& typed() const { return m_typed; }
    // The key of a choice, 1 .. 4: picks it; false for any other digit or without choices.
    bool pickByDigit(int digit);

    // "Prüfen" checks the answer and counts it; "Weiter" shows the next task, or the score
    // after the last. confirm() is Enter: the one that is due.
    void check();
    void next();
    void confirm();
    bool checked() const { return m_checked; }
    // Whether the checked answer was right; false before the check.
    bool wasRight() const { return m_checked && m_wasRight; }
    // "Richtig!" or "Leider falsch – richtig ist 0110", once checked; else "".
    std::string feedback() const;
    // The button's caption: "Prüfen", "Weiter", or after the last task "Neue Runde".
    std::string buttonText() const;
    // After the last task: "8 von 10 richtig".
    std::string score() const;
    int rightAnswers() const { return m_right; }

private:
    std::vector<TTask> m_tasks;
    std::size_t m_current = 0;
    std::optional<int> m_picked;
    std::string m_typed;
    bool m_checked = false;
    bool m_wasRight = false;
    int m_right = 0;
    const TGrayCycle* m_cycle = nullptr;
    unsigned m_seed = 0;
};
