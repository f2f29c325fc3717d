// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

class TGrayCycle;

// Practice with feedback: tasks about the code of n words, the check of a given answer, and the
// tasks as a question bank for Moodle. The sectors of the disk are in listing order, and ring 1
// is the outermost.

enum class TTaskKind { NextWord, ChangingRing, ReadSector, Decode };

struct TTask {
    TTaskKind kind;
    int n;                 // the code's word count
    int sector;            // 0-based sector (listing position) the task is about
    std::string question;  // German, complete: names the word or sector it asks about
    std::vector<std::string>
        choices;         // 4 distinct choices including the answer, or empty: typed answer
    std::string answer;  // the right answer as it would be typed or picked
};

// count tasks about the code of cycle, drawn from seed; the same arguments always give the
// same tasks, and every kind occurs when count >= 8. std::invalid_argument unless count is
// 1..200.
std::vector<TTask> practiceTasks(const TGrayCycle& cycle, unsigned seed, int count);

// Whether given answers task: spaces around it and inside a word are ignored; for numbers
// leading zeros are ignored; for ChangingRing "Ring 2" and "2" both count.
bool isRightAnswer(const TTask& task, const std::string& given);

// The tasks as a Moodle XML question bank (one <quiz>, a category question first, then one
// question per task: multichoice with <single>true</single> where choices exist, shortanswer
// otherwise; exactly one answer with fraction="100"), UTF-8.
std::string moodleXml(const std::vector<TTask>& tasks, const std::string& category);
