// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/practice.h"

// A round of practice, for the window and the page alike: ten tasks of the chosen kinds about the
// code of the last OK, one at a time. The student picks a choice (the keys A to D) or types an
// answer, "Prüfen" checks it and says whether it was right, with the way to the answer after a
// wrong one, "Weiter" goes on; after the last task the round's score stands, "Neue Runde" draws
// the next ten and "Falsche Aufgaben wiederholen" asks the missed ones again. The editions
// forward the buttons and keys here and show what it says.
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
    // The key of a choice, "a" to "d" in either case: picks it; false for any other key or
    // without choices, so that the key is typed.
    bool pickByKey(std::string_view key);

    // "Prüfen" checks the answer and counts it; "Weiter" shows the next task, or the score
    // after the last. confirm() is Enter: the one that is due.
    void check();
    void next();
    void confirm();
    bool checked() const { return m_checked; }
    // Whether the checked answer was right; false before the check.
    bool wasRight() const { return m_checked && m_wasRight; }
    // "Richtig!" or "Leider falsch – richtig ist 0110.", once checked; else "".
    std::string feedback() const;
    // After a wrong answer the way to the right one (TTask::explanation); else "".
    std::string explanation() const;
    // The button's caption: "Prüfen", "Weiter", or after the last task "Neue Runde".
    std::string buttonText() const;
    // After the last task: "8 von 10 richtig".
    std::string score() const;
    int rightAnswers() const { return m_right; }

    // After the last task, while any answer was wrong: "Falsche Aufgaben wiederholen" asks
    // the missed tasks again as a round of their own.
    bool canRepeatWrong() const { return finished() && !m_wrong.empty(); }
    void repeatWrong();

    // "Aufgabenarten": the kinds that the round asks. Choosing or dropping one starts a new
    // round of the chosen kinds; the last kind cannot be dropped. Returns whether it changed.
    bool setKind(TTaskKind kind, bool chosen);
    const TTaskKinds& kinds() const { return m_kinds; }

private:
    std::vector<TTask> m_tasks;
    std::size_t m_current = 0;
    std::optional<int> m_picked;
    std::string m_typed;
    bool m_checked = false;
    bool m_wasRight = false;
    int m_right = 0;
    std::vector<TTask> m_wrong;
    TTaskKinds m_kinds;
    const TGrayCycle* m_cycle = nullptr;
    unsigned m_seed = 0;
};
