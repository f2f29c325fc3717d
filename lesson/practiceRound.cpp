// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/practiceRound.h"

void TPracticeRound::start(const TGrayCycle& cycle, unsigned seed) {
    m_tasks = practiceTasks(cycle, seed, kTasksPerRound, m_kinds);
    m_cycle = &cycle;
    m_seed = seed;
    m_current = 0;
    m_wrong.clear();
    m_right = 0;
    m_picked.reset();
    m_typed.clear();
    m_checked = false;
}

std::string TPracticeRound::progress() const {
    return "Aufgabe " + std::to_string(m_current + 1) + " von " + std::to_string(m_tasks.size());
}

void TPracticeRound::pick(int choice) {
    if (!started() || finished() || m_checked) return;
    if (choice >= 0 && choice < static_cast<int>(task().choices.size())) m_picked = choice;
}

void TPracticeRound::type(const std::string& text) {
    if (!started() || finished() || m_checked) return;
    m_typed = text;
}

bool TPracticeRound::pickByKey(std::string_view key) {
    if (!started() || finished() || m_checked || task().choices.empty()) return false;
    const std::optional<int> choice = choiceOfKey(key);
    if (!choice || *choice >= static_cast<int>(task().choices.size())) return false;
    pick(*choice);
    return true;
}

void TPracticeRound::check() {
    if (!started() || finished() || m_checked) return;
    const bool choices = !task().choices.empty();
    // Without an answer there is nothing to check yet.
    if (choices ? !m_picked : m_typed.find_first_not_of(" \t") == std::string::npos) return;
    const std::string given =
        choices ? task().choices[static_cast<std::size_t>(*m_picked)] : m_typed;
    m_wasRight = isRightAnswer(task(), given);
    if (m_wasRight) {
        ++m_right;
    } else {
        m_wrong.push_back(task());
    }
    m_checked = true;
}

void TPracticeRound::next() {
    if (!started()) return;
    if (finished()) {
        // "Neue Runde": the next ten tasks of the same code, from the seed after this one.
        start(*m_cycle, m_seed + 1);
        return;
    }
    if (!m_checked) return;
    ++m_current;
    m_picked.reset();
    m_typed.clear();
    m_checked = false;
}

void TPracticeRound::confirm() {
    if (m_checked || finished()) {
        next();
    } else {
        check();
    }
}

std::string TPracticeRound::feedback() const {
    if (!m_checked) return "";
    return m_wasRight ? "Richtig!" : "Leider falsch – richtig ist " + task().answer + ".";
}

std::string TPracticeRound::explanation() const {
    return m_checked && !m_wasRight ? task().explanation : "";
}

void TPracticeRound::repeatWrong() {
    if (!canRepeatWrong()) return;
    m_tasks = std::move(m_wrong);
    m_wrong.clear();
    m_current = 0;
    m_right = 0;
    m_picked.reset();
    m_typed.clear();
    m_checked = false;
}

bool TPracticeRound::setKind(TTaskKind kind, bool chosen) {
    if (!m_kinds.set(kind, chosen)) return false;
    if (m_cycle != nullptr) start(*m_cycle, m_seed + 1);
    return true;
}

std::string TPracticeRound::buttonText() const {
    return finished() ? "Neue Runde" : m_checked ? "Weiter" : "Prüfen";
}

std::string TPracticeRound::score() const {
    return std::to_string(m_right) + " von " + std::to_string(m_tasks.size()) + " richtig";
}
