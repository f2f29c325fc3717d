// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TGrayCycle;

// Practice with feedback: tasks about the code of n words, the check of a given answer, and the
// tasks as a question bank for Moodle. The sectors of the disk are in listing order, sector 1
// (position 1) begins at 3 o'clock, and ring 1, the outermost, carries bit 0.

enum class TTaskKind : std::uint8_t { NextWord, ChangingRing, ReadSector, Decode };
inline constexpr std::array<TTaskKind, 4> kTaskKinds = {
    TTaskKind::NextWord, TTaskKind::ChangingRing, TTaskKind::ReadSector, TTaskKind::Decode};

// The kind's German name, as "Aufgabenarten" lists it: "Nächstes Wort", "Welcher Ring ändert
// sich", "Sektor ablesen", "Dekodieren".
std::string taskKindName(TTaskKind kind);

// The kinds that a round or a bank asks ("Aufgabenarten"); never none.
class TTaskKinds {
public:
    bool has(TTaskKind kind) const { return m_chosen[static_cast<std::size_t>(kind)]; }
    // Chooses or drops kind; dropping the last chosen kind is refused. Returns whether the
    // choice changed.
    bool set(TTaskKind kind, bool chosen);
    std::vector<TTaskKind> chosen() const;
    bool operator==(const TTaskKinds&) const = default;

private:
    std::array<bool, 4> m_chosen{true, true, true, true};
};

struct TTask {
    TTaskKind kind;
    int n;                 // the code's word count
    int sector;            // 0-based sector (listing position) the task is about
    std::string question;  // German, complete: names the word or sector it asks about
    std::vector<std::string>
        choices;              // 4 distinct choices including the answer, or empty: typed answer
    std::string answer;       // the right answer as it would be typed or picked
    std::string explanation;  // the way to the answer, step by step, for the feedback
};

// How many distinct tasks (a kind and a sector) there are about cycle of the chosen kinds.
int distinctTasks(const TGrayCycle& cycle, const TTaskKinds& kinds);

// count tasks of the chosen kinds about the code of cycle, drawn from seed; the same arguments
// always give the same tasks. No task (kind and sector) comes twice while distinct ones remain
// unused, and the kinds take turns, so that every chosen kind occurs when count >= 2 * kinds.
// std::invalid_argument unless count is 1..200.
std::vector<TTask> practiceTasks(const TGrayCycle& cycle, unsigned seed, int count,
                                 const TTaskKinds& kinds = {});

// The sector that the disk marks for task: only a sector that its question names (a sector to
// read); a mark on any other task would give its answer away.
std::optional<int> markedSector(const TTask& task);

// The label of choice index (0-based) as shown before it: "a)" .. "d)".
std::string choiceLabel(std::size_t index);
// The choice that a key picks: "a" to "d" or "A" to "D" give 0 to 3; nothing for another key.
// Digits are no keys of choices, as they are typed answers.
std::optional<int> choiceOfKey(std::string_view key);

// Whether given answers task: spaces around it and inside a word are ignored; for numbers
// leading zeros are ignored; for ChangingRing "Ring 2" and "2" both count.
bool isRightAnswer(const TTask& task, const std::string& given);

// The tasks as a Moodle XML question bank, UTF-8: one <quiz>, a category question first, then
// one question per task, sorted by their names ("Dekodieren 0110 (n = 10)", unique for distinct
// tasks): multichoice with <single>true</single> where choices exist, shortanswer otherwise,
// each with the disk as an SVG picture (@@PLUGINFILE@@), the answers with fraction="100" ("2",
// "Ring 2" and "Ring2" for a ring) and the explanation as generalfeedback.
std::string moodleXml(const std::vector<TTask>& tasks, const std::string& category);
