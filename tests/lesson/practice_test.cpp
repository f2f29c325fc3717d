// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/practice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
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
    const TTask ring{TTaskKind::ChangingRing, 10, 3, "", {}, "2"};
    const TTask word{TTaskKind::NextWord, 10, 3, "", {}, "0110"};
    const TTask place{TTaskKind::Decode, 10, 11, "", {}, "12"};
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

TEST(Practice, MoodleBankHasOneFullMarkAnswerPerQuestionAndEscapesText) {
    const std::vector<TTask> tasks = practiceTasks(cycleOf(10), 5, 8);
    const std::string xml = moodleXml(tasks, "Zyklora/<A & B>");
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>"));
    EXPECT_NE(xml.find("<category><text>Zyklora/&lt;A &amp; B&gt;</text></category>"),
              std::string::npos);
    const auto occurrences = [&xml](const std::string& part) {
        std::size_t found = 0;
        for (auto at = xml.find(part); at != std::string::npos; at = xml.find(part, at + 1)) {
            ++found;
        }
        return found;
    };
    EXPECT_EQ(occurrences("<question type="), 9u);
    EXPECT_EQ(occurrences("fraction=\"100\""), 8u);
    EXPECT_EQ(occurrences("<single>true</single>"), 6u);  // two tasks of each four are typed
    EXPECT_EQ(occurrences("type=\"shortanswer\""), 2u);

    // Each sector to read comes with its disk, the sector outlined in the selection's red.
    const auto reads = std::count_if(tasks.begin(), tasks.end(), [](const TTask& task) {
        return task.kind == TTaskKind::ReadSector;
    });
    EXPECT_EQ(occurrences("<file name=\"sektor-"), static_cast<std::size_t>(reads));
    EXPECT_EQ(occurrences("src=&quot;@@PLUGINFILE@@/sektor-"), static_cast<std::size_t>(reads));
    const std::string opening = "encoding=\"base64\">";
    const std::size_t from = xml.find(opening) + opening.size();
    const std::string svg = fromBase64(xml.substr(from, xml.find("</file>", from) - from));
    EXPECT_TRUE(svg.starts_with("<?xml")) << svg.substr(0, 40);
    EXPECT_NE(svg.find("fill=\"none\" stroke=\"#dc0000\""), std::string::npos);
}

}  // namespace
