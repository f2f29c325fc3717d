// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/practice.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <stdexcept>

#include "draw/lessonColors.h"
#include "draw/svgCanvas.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/diskLayout.h"
#include "gray/grayCycle.h"
#include "lesson/readHead.h"
#include "lesson/sectorMark.h"
#include "lesson/seededDraw.h"

namespace {

std::string flipped(std::string word, std::size_t first, std::size_t second) {
    for (const std::size_t i : {first, second}) word[i] = word[i] == '0' ? '1' : '0';
    return word;
}

// The answer and three plausible wrong choices from candidates (in order of preference), each
// once, in an order drawn from draw.
std::vector<std::string> choicesFrom(const std::string& answer,
                                     const std::vector<std::string>& candidates,
                                     TSeededDraw& draw) {
    std::vector<std::string> choices{answer};
    for (const std::string& candidate : candidates) {
        if (choices.size() == 4) break;
        if (std::find(choices.begin(), choices.end(), candidate) == choices.end()) {
            choices.push_back(candidate);
        }
    }
    draw.shuffle(choices);
    return choices;
}

// Wrong words near word: the given neighbours first, then words two bits away from word, and
// for the shortest codes, whose words are few, every word of its length.
std::vector<std::string> nearWords(const std::string& word, std::vector<std::string> neighbours) {
    for (std::size_t first = 0; first < word.size(); ++first) {
        for (std::size_t second = first + 1; second < word.size(); ++second) {
            neighbours.push_back(flipped(word, first, second));
        }
    }
    for (std::string& other : binaryWords(1 << word.size())) neighbours.push_back(std::move(other));
    return neighbours;
}

TTask taskAbout(TTaskKind kind, const TGrayCycle& cycle, int sector, TSeededDraw& draw) {
    const int n = cycle.codeCount();
    const std::vector<std::string>& words = cycle.words();
    const auto at = [&](int position) -> const std::string& {
        return words[static_cast<std::size_t>(((position % n) + n) % n)];
    };
    const std::string count = std::to_string(n);
    const std::string& word = at(sector);
    TTask task{kind, n, sector, "", {}, ""};
    switch (kind) {
        case TTaskKind::NextWord:
            task.question = "Welches Codewort folgt im zyklischen Code mit " + count +
                            " Wörtern auf " + word + "?";
            task.answer = at(sector + 1);
            task.choices = choicesFrom(
                task.answer, nearWords(task.answer, {at(sector - 1), at(sector + 2)}), draw);
            break;
        case TTaskKind::ChangingRing:
            task.question = "Vom Wort " + word + " zum nächsten Wort im zyklischen Code mit " +
                            count +
                            " Wörtern ändert sich ein Bit. In welchem Ring der Scheibe liegt es? "
                            "Ring 1 ist der äußerste.";
            task.answer = std::to_string(*singleChangedBit(word, at(sector + 1)) + 1);
            break;
        case TTaskKind::ReadSector:
            task.question = "Welches Codewort steht auf der Scheibe mit " + count +
                            " Wörtern im markierten Sektor " + std::to_string(sector + 1) +
                            "? Die Sektoren zählen von 3 Uhr an gegen den Uhrzeigersinn.";
            task.answer = word;
            task.choices =
                choicesFrom(task.answer, nearWords(word, {at(sector + 1), at(sector - 1)}), draw);
            break;
        case TTaskKind::Decode: {
            task.question = "Ein Drehgeber liest das Wort " + word + " von der Scheibe mit " +
                            count +
                            " Wörtern. Das wievielte Wort des Zyklus ist es? Das erste Wort ist 1.";
            task.answer = std::to_string(sector + 1);
            // The number in the full code instead of the place in the cycle, and the places
            // beside it.
            const int index = cycle.indexOf(sector);
            task.choices = choicesFrom(
                task.answer,
                {std::to_string(index + 1), std::to_string(index), std::to_string(sector),
                 std::to_string(sector + 2), std::to_string(sector + 3)},
                draw);
            break;
        }
    }
    return task;
}

// text without any white space.
std::string withoutSpaces(const std::string& text) {
    std::string kept;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) kept += c;
    }
    return kept;
}

// A decimal number without leading zeros, or "" when text is not one.
std::string number(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return "";
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

std::string textElement(const std::string& text) { return "<text>" + xmlEscaped(text) + "</text>"; }

std::string base64(const std::string& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string encoded;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            group =
                group << 8 | (i + k < bytes.size() ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded += i + k <= bytes.size() ? kDigits[(group >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return encoded;
}

// The disk that a ReadSector task is about, as the window shows it: the code's disk with the
// task's sector outlined in the selection's colour.
std::string taskDiskSvg(const TTask& task) {
    const std::vector<std::string>& words = TGrayCycle::of(*TCodeCount::of(task.n)).words();
    TSvgCanvas svg(kDesignedDiskSize, kDesignedDiskSize,
                   "Codescheibe mit " + std::to_string(task.n) + " Wörtern", kPaperFace);
    paintDisk(svg, words);
    const TSectorMark mark = sectorMark(kDesignedDiskSize, words, {}, task.sector);
    svg.outlineRingStretch(mark.centre, mark.centre, mark.outerRadius, mark.innerRadius,
                           mark.startAngle, mark.endAngle, mark.color, mark.outlineWidth);
    return svg.document();
}

// A question's text: plain, or for a ReadSector task with the disk it asks about as a picture
// that the question bank carries along.
std::string questionText(const TTask& task) {
    if (task.kind != TTaskKind::ReadSector) {
        return "<questiontext format=\"plain_text\">" + textElement(task.question) +
               "</questiontext>";
    }
    const std::string picture = "sektor-" + std::to_string(task.sector + 1) + ".svg";
    const std::string html =
        "<p>" + xmlEscaped(task.question) + "</p><p><img src=\"@@PLUGINFILE@@/" + picture +
        "\" alt=\"Codescheibe mit " + std::to_string(task.n) + " Wörtern, Sektor " +
        std::to_string(task.sector + 1) + " rot umrandet\" width=\"350\" height=\"350\"></p>";
    return "<questiontext format=\"html\">" + textElement(html) + "<file name=\"" + picture +
           "\" path=\"/\" encoding=\"base64\">" + base64(taskDiskSvg(task)) +
           "</file></questiontext>";
}

const char* kindName(TTaskKind kind) {
    switch (kind) {
        case TTaskKind::NextWord:
            return "Nächstes Wort";
        case TTaskKind::ChangingRing:
            return "Welcher Ring ändert sich";
        case TTaskKind::ReadSector:
            return "Sektor ablesen";
        case TTaskKind::Decode:
            return "Dekodieren";
    }
    return "";
}

}  // namespace

std::vector<TTask> practiceTasks(const TGrayCycle& cycle, unsigned seed, int count) {
    if (count < 1 || count > 200) {
        throw std::invalid_argument("practice: 1..200 tasks, not " + std::to_string(count));
    }
    const int n = cycle.codeCount();
    TSeededDraw draw(seed);
    std::vector<TTaskKind> kinds;
    std::vector<TTask> tasks;
    for (int i = 0; i < count; ++i) {
        // Every four tasks hold each kind once, in an order of their own.
        if (kinds.empty()) {
            kinds = {TTaskKind::NextWord, TTaskKind::ChangingRing, TTaskKind::ReadSector,
                     TTaskKind::Decode};
            draw.shuffle(kinds);
        }
        const TTaskKind kind = kinds.back();
        kinds.pop_back();
        tasks.push_back(taskAbout(kind, cycle, draw.below(n), draw));
    }
    return tasks;
}

bool isRightAnswer(const TTask& task, const std::string& given) {
    std::string compact = withoutSpaces(given);
    switch (task.kind) {
        case TTaskKind::NextWord:
        case TTaskKind::ReadSector:
            return compact == task.answer;
        case TTaskKind::ChangingRing: {
            std::string lower;
            for (const char c : compact) {
                lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            if (lower.starts_with("ring")) compact = compact.substr(4);
            return number(compact) == task.answer;
        }
        case TTaskKind::Decode:
            return number(compact) == task.answer;
    }
    return false;
}

std::string moodleXml(const std::vector<TTask>& tasks, const std::string& category) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
        "  <question type=\"category\">\n    <category>" +
        textElement(category) + "</category>\n  </question>\n";
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const TTask& task = tasks[i];
        const bool choices = !task.choices.empty();
        xml += "  <question type=\"" + std::string(choices ? "multichoice" : "shortanswer") +
               "\">\n    <name>" +
               textElement("Aufgabe " + std::to_string(i + 1) + ": " + kindName(task.kind)) +
               "</name>\n    " + questionText(task) + "\n    <defaultgrade>1</defaultgrade>\n";
        if (choices) {
            xml +=
                "    <single>true</single>\n    <shuffleanswers>1</shuffleanswers>\n"
                "    <answernumbering>abc</answernumbering>\n";
            for (const std::string& choice : task.choices) {
                xml += "    <answer fraction=\"" +
                       std::string(choice == task.answer ? "100" : "0") + "\">" +
                       textElement(choice) + "</answer>\n";
            }
        } else {
            xml += "    <usecase>0</usecase>\n    <answer fraction=\"100\">" +
                   textElement(task.answer) + "</answer>\n";
        }
        xml += "  </question>\n";
    }
    return xml + "</quiz>\n";
}
