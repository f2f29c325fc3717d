// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "lesson/construction.h"
#include "tests/support/cycleOf.h"
#include "tests/support/standInWindow.h"

namespace {

std::string fromBase64(const std::string& text) {
    const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    unsigned group = 0;
    int bits = 0;
    for (const char c : text) {
        if (c == '=') break;
        group = (group << 6) | static_cast<unsigned>(digits.find(c));
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((group >> bits) & 0xFF);
        }
    }
    return bytes;
}

bool sameTasks(const std::vector<TTask>& a, const std::vector<TTask>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TTask& x, const TTask& y) {
        return x.kind == y.kind && x.sector == y.sector && x.question == y.question &&
               x.choices == y.choices && x.answer == y.answer;
    });
}

// Every even count and several seeds: each answer as the table's engine computes it, four
// distinct choices with the answer among them, every kind, and the same tasks for the same seed.
TEST(Practice, AnswersChoicesAndKindsFollowTheCode) {
    for (int n = 4; n <= 64; n += 2) {
        StandInWindow window;
        TGray gray(n);
        gray.generate();
        const std::vector<std::string> words = gray.cycle().words();
        for (const unsigned seed : {0u, 1u, 77u, 4000000000u}) {
            const std::vector<TTask> tasks = practiceTasks(cycleOf(n), seed, 40);
            ASSERT_EQ(tasks.size(), 40u);
            std::set<TTaskKind> kinds;
            for (const TTask& task : tasks) {
                kinds.insert(task.kind);
                ASSERT_GE(task.sector, 0);
                ASSERT_LT(task.sector, n);
                const auto sector = static_cast<std::size_t>(task.sector);
                const std::string& word = words[sector];
                const std::string& next = words[(sector + 1) % words.size()];
                const std::string expected[] = {next,
                                                std::to_string(*singleChangedBit(word, next) + 1),
                                                word, std::to_string(task.sector + 1)};
                EXPECT_EQ(task.answer, expected[static_cast<int>(task.kind)]) << task.question;
                EXPECT_NE(task.question.find(task.kind == TTaskKind::ReadSector
                                                 ? std::to_string(task.sector + 1)
                                                 : word),
                          std::string::npos);
                if (task.kind == TTaskKind::ChangingRing) {
                    EXPECT_TRUE(task.choices.empty());
                    continue;
                }
                ASSERT_EQ(task.choices.size(), 4u) << task.question;
                if (task.kind == TTaskKind::Decode) {
                    for (const std::string& choice : task.choices) {
                        EXPECT_GE(std::stoi(choice), 1) << task.question;
                        EXPECT_LE(std::stoi(choice), n) << task.question;
                    }
                }
                EXPECT_EQ(std::set(task.choices.begin(), task.choices.end()).size(), 4u);
                EXPECT_EQ(std::count(task.choices.begin(), task.choices.end(), task.answer), 1);
            }
            EXPECT_EQ(kinds.size(), 4u);
            EXPECT_TRUE(sameTasks(tasks, practiceTasks(cycleOf(n), seed, 40)));
        }
        EXPECT_FALSE(sameTasks(practiceTasks(cycleOf(n), 1, 20), practiceTasks(cycleOf(n), 2, 20)));
    }
    for (const int count : {0, 201}) {
        EXPECT_THROW(practiceTasks(cycleOf(10), 1, count), std::invalid_argument) << count;
    }
}

TEST(Practice, AnswersAreTakenWithSpacesZerosAndTheWordRing) {
    const TTask ring{TTaskKind::ChangingRing, 10, 3, "", {}, "2", ""};
    const TTask word{TTaskKind::NextWord, 10, 3, "", {}, "0110", ""};
    const TTask place{TTaskKind::Decode, 10, 11, "", {}, "12", ""};
    const struct {
        const TTask& task;
        const char* given;
        bool right;
    } cases[] = {
        {ring, "2", true},      {ring, " Ring 2 ", true}, {ring, "ring02", true},
        {ring, "Ring", false},  {ring, "3", false},       {ring, "2a", false},
        {word, "0110", true},   {word, " 01 10 ", true},  {word, "110", false},
        {word, "01100", false}, {place, "012", true},     {place, " 1 2", true},
        {place, "11", false},   {place, "", false},       {place, "-12", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isRightAnswer(c.task, c.given), c.right) << c.given;
}

// Categories with what XML 1.0 forbids: the bank's category holds what is left, as UTF-8 that
// every XML reader accepts.
TEST(Practice, OddCategoriesGiveXmlThatParses) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string("A\0B", 3), "AB"},
        {"Tab\tLine\nReturn\r", "Tab\tLine\nReturn\r"},
        {"Bell\x07 Escape\x1B Delete\x7F", "Bell Escape Delete\x7F"},
        {"Umlaut \xC3\xA4 Euro \xE2\x82\xAC Clef \xF0\x9D\x84\x9E",
         "Umlaut \xC3\xA4 Euro \xE2\x82\xAC Clef \xF0\x9D\x84\x9E"},
        {"Latin-1 \xE4", "Latin-1 \xEF\xBF\xBD"},
        {"Cut \xE2\x82", "Cut \xEF\xBF\xBD"},
        {"Overlong \xC0\xBC", "Overlong \xEF\xBF\xBD\xEF\xBF\xBD"},
        {"Surrogate \xED\xA0\x80", "Surrogate \xEF\xBF\xBD"},
        {"Beyond \xF4\x90\x80\x80", "Beyond \xEF\xBF\xBD"},
        {"Not a character \xEF\xBF\xBE\xEF\xBF\xBF", "Not a character "},
        {"Lone \x80 continuation", "Lone \xEF\xBF\xBD continuation"},
        {"<&\">", "&lt;&amp;&quot;&gt;"},
    };
    const std::vector<TTask> tasks = practiceTasks(cycleOf(4), 1, 1);
    for (const auto& [category, shown] : cases) {
        EXPECT_NE(moodleXml(tasks, category).find("<category><text>" + shown + "</text>"),
                  std::string::npos)
            << category;
    }
}

// The bank read question by question as Moodle's import reads it: one category, then per
// question a unique name, its disk as a picture referenced through @@PLUGINFILE@@, the
// explanation as generalfeedback and exactly the right answers at full marks.
TEST(Practice, MoodleBankQuestionsStandAloneWithUniqueNames) {
    for (const int n : {4, 10, 64}) {
        const std::vector<TTask> tasks = practiceTasks(cycleOf(n), 5, std::min(20, 4 * n));
        const std::string xml = moodleXml(tasks, "Zyklora/<A & B>");
        EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>"));
        EXPECT_NE(xml.find("<category><text>Zyklora/&lt;A &amp; B&gt;</text></category>"),
                  std::string::npos);
        std::vector<std::string> questions;
        for (auto at = xml.find("<question type=\""); at != std::string::npos;) {
            const auto end = xml.find("</question>", at);
            questions.push_back(xml.substr(at, end - at));
            at = xml.find("<question type=\"", end);
        }
        ASSERT_EQ(questions.size(), tasks.size() + 1);
        EXPECT_EQ(questions.front().find("type=\"category\""), 10u);
        const auto between = [](const std::string& text, const std::string& open,
                                const std::string& close) {
            const auto from = text.find(open);
            if (from == std::string::npos) return std::string();
            const auto start = from + open.size();
            return text.substr(start, text.find(close, start) - start);
        };
        std::set<std::string> names;
        std::vector<std::string> order;
        for (std::size_t i = 1; i < questions.size(); ++i) {
            const std::string& question = questions[i];
            const std::string name = between(question, "<name><text>", "</text>");
            EXPECT_TRUE(name.ends_with(" (n = " + std::to_string(n) + ")")) << name;
            EXPECT_TRUE(names.insert(name).second) << name;
            order.push_back(name);
            EXPECT_FALSE(
                between(question, "<generalfeedback format=\"html\"><text>", "</text>").empty())
                << name;
            const std::string picture = between(question, "<file name=\"", "\"");
            EXPECT_TRUE(picture.starts_with("scheibe-" + std::to_string(n))) << name;
            EXPECT_NE(question.find("src=&quot;@@PLUGINFILE@@/" + picture), std::string::npos);
            const std::string svg = fromBase64(between(question, "encoding=\"base64\">", "<"));
            EXPECT_TRUE(svg.starts_with("<?xml")) << name;
            // Only the sector to read is outlined.
            EXPECT_EQ(svg.find("fill=\"none\" stroke=\"#dc0000\"") != std::string::npos,
                      picture.find("sektor") != std::string::npos)
                << name;
            std::size_t full = 0;
            for (auto at = question.find("fraction=\"100\""); at != std::string::npos;
                 at = question.find("fraction=\"100\"", at + 1)) {
                ++full;
            }
            const bool ring = name.starts_with("Ring nach");
            EXPECT_EQ(full, ring ? 3u : 1u) << name;
            if (ring) {
                EXPECT_NE(question.find("<text>Ring "), std::string::npos);
            }
        }
        EXPECT_TRUE(std::is_sorted(order.begin(), order.end()));
    }
}

// A round and a bank ask no task (kind and sector) twice while distinct ones remain, for every
// choice of kinds.
TEST(Practice, NoTaskRepeatsWhileDistinctOnesRemain) {
    for (const int n : {4, 6, 10, 64}) {
        for (const unsigned mask : {0b1111u, 0b0001u, 0b1010u, 0b0111u}) {
            TTaskKinds kinds;
            for (const TTaskKind kind : kTaskKinds) kinds.set(kind, true);
            for (const TTaskKind kind : kTaskKinds) {
                kinds.set(kind, (mask >> static_cast<unsigned>(kind) & 1u) != 0);
            }
            const int distinct = distinctTasks(cycleOf(n), kinds);
            for (const unsigned seed : {0u, 9u, 123456u}) {
                const std::vector<TTask> tasks = practiceTasks(cycleOf(n), seed, 200, kinds);
                std::set<std::pair<TTaskKind, int>> seen;
                for (std::size_t i = 0; i < tasks.size(); ++i) {
                    ASSERT_TRUE(kinds.has(tasks[i].kind));
                    if (i % static_cast<std::size_t>(distinct) == 0) seen.clear();
                    EXPECT_TRUE(seen.insert({tasks[i].kind, tasks[i].sector}).second)
                        << "n " << n << " kinds " << mask << " task " << i;
                }
            }
        }
    }
    TTaskKinds one;
    for (const TTaskKind kind : {TTaskKind::NextWord, TTaskKind::ChangingRing, TTaskKind::Decode}) {
        EXPECT_TRUE(one.set(kind, false));
    }
    EXPECT_FALSE(one.set(TTaskKind::ReadSector, false));  // the last kind stays
    EXPECT_EQ(one.chosen(), std::vector{TTaskKind::ReadSector});
}

// The disk marks only a sector that the question names; a mark on a decode or next-word task
// would show its answer.
TEST(Practice, NoDiskMarkRevealsAnAnswer) {
    for (const TTask& task : practiceTasks(cycleOf(10), 3, 40)) {
        const std::optional<int> mark = markedSector(task);
        EXPECT_EQ(mark.has_value(), task.kind == TTaskKind::ReadSector) << task.question;
        if (mark) {
            EXPECT_NE(task.question.find("Position " + std::to_string(*mark + 1) + "?"),
                      std::string::npos);
        }
    }
}

// Choices are letters: a) to d), picked by A to D in either case; digits are typed answers.
TEST(Practice, ChoicesAreLettersAndDigitsAreNoKeys) {
    const std::pair<const char*, std::optional<int>> keys[] = {{"a", 0},  {"B", 1},   {"c", 2},
                                                               {"D", 3},  {"e", {}},  {"1", {}},
                                                               {"4", {}}, {"ab", {}}, {"", {}}};
    for (const auto& [key, choice] : keys) EXPECT_EQ(choiceOfKey(key), choice) << key;
    EXPECT_EQ(choiceLabel(0) + choiceLabel(3), "a)d)");
}

// Each explanation's chain recomputed: the running XOR bit by bit, the number and the
// subtraction of a decode; the bit that flips between a word and the next; the rings read from
// the outside in.
TEST(Practice, ExplanationsShowAChainThatHolds) {
    const std::regex xorStep("(\\d) ⊕ (\\d) = (\\d)");
    const std::regex number(
        "Dualzahl ([01]+) = Nummer (\\d+) .*: (\\d+)(?: − (\\d+))? \\+ 1 = "
        "Position (\\d+)\\.$");
    const std::regex flip(
        "das (\\d+)\\. Zeichen von rechts \\((\\d) → (\\d)\\), also Bit (\\d+) "
        "\\(Ring (\\d+)");
    const std::regex ringBit("Ring (\\d+) = (\\d)");
    for (int n = 4; n <= 64; n += 2) {
        const TGrayCycle& cycle = cycleOf(n);
        for (const TTask& task : practiceTasks(cycle, 1, std::min(200, 4 * n))) {
            const std::string& word = cycle.words()[static_cast<std::size_t>(task.sector)];
            const std::string& next =
                cycle.words()[static_cast<std::size_t>((task.sector + 1) % n)];
            const std::string& text = task.explanation;
            std::smatch match;
            if (task.kind == TTaskKind::Decode) {
                std::string binary(1, word.front());
                for (auto it = std::sregex_iterator(text.begin(), text.end(), xorStep);
                     it != std::sregex_iterator(); ++it) {
                    const std::size_t i = binary.size();
                    EXPECT_EQ((*it)[1].str()[0], binary.back()) << text;
                    EXPECT_EQ((*it)[2].str()[0], word[i]) << text;
                    EXPECT_EQ((*it)[3].str()[0], binary.back() == word[i] ? '0' : '1') << text;
                    binary += (*it)[3].str();
                }
                ASSERT_TRUE(std::regex_search(text, match, number)) << text;
                const int index = std::stoi(match[2].str(), nullptr);
                EXPECT_EQ(match[1].str(), binary);
                EXPECT_EQ(index, std::stoi(binary, nullptr, 2));
                EXPECT_EQ(std::stoi(match[3].str()), index);
                const int taken = match[4].matched ? std::stoi(match[4].str()) : 0;
                EXPECT_EQ(taken, index > cycle.lowEnd() ? cycle.droppedCount() : 0) << text;
                EXPECT_EQ(index - taken + 1, std::stoi(match[5].str()));
                EXPECT_EQ(match[5].str(), task.answer);
            } else if (task.kind == TTaskKind::ReadSector) {
                std::string read(word.size(), '?');
                int ring = 0;
                for (auto it = std::sregex_iterator(text.begin(), text.end(), ringBit);
                     it != std::sregex_iterator(); ++it) {
                    EXPECT_EQ(std::stoi((*it)[1].str()), ++ring) << text;
                    read[word.size() - static_cast<std::size_t>(ring)] = (*it)[2].str()[0];
                }
                EXPECT_EQ(read, word) << text;
            } else {
                ASSERT_TRUE(std::regex_search(text, match, flip)) << text;
                const int bit = std::stoi(match[4].str());
                const std::size_t at = word.size() - 1 - static_cast<std::size_t>(bit);
                EXPECT_EQ(std::stoi(match[1].str()), bit + 1);
                EXPECT_EQ(std::stoi(match[5].str()), bit + 1);
                EXPECT_EQ(match[2].str()[0], word[at]);
                EXPECT_EQ(match[3].str()[0], next[at]);
                std::string flipped = word;
                flipped[at] = next[at];
                EXPECT_EQ(flipped, next) << text;
                EXPECT_NE(text.find(next), std::string::npos);
            }
        }
    }
}

}  // namespace
