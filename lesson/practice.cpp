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
#include "lesson/construction.h"
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

// Wrong positions near answer (1-based) for a decode: the number in the full code instead of the
// position, the places beside it, then any other position; all within 1 .. n.
std::vector<std::string> nearPositions(int answer, int index, int n) {
    std::vector<std::string> near;
    for (const int candidate : {index + 1, index, answer - 1, answer + 1, answer + 2}) {
        if (candidate >= 1 && candidate <= n) near.push_back(std::to_string(candidate));
    }
    for (int other = 1; other <= n; ++other) near.push_back(std::to_string(other));
    return near;
}

std::string positionText(int sector) { return "Position " + std::to_string(sector + 1); }

// The decode's way: the running XOR from the left, the number in the full code and the
// subtraction of the dropped block.
std::string decodeExplanation(const TGrayCycle& cycle, const std::string& word) {
    const TDecoding decoding = *decodeWord(cycle, word);
    std::string text = "Laufendes XOR von links: ";
    text += word.front();
    for (std::size_t i = 1; i < word.size(); ++i) {
        text += std::string(" → ") + decoding.binary[i - 1] + " ⊕ " + word[i] + " = " +
                decoding.binary[i];
    }
    const std::string index = std::to_string(decoding.index);
    text +=
        ", also Dualzahl " + decoding.binary + " = Nummer " + index + " im vollständigen Code. ";
    const std::string position = " = Position " + std::to_string(decoding.position + 1) + ".";
    if (cycle.droppedCount() == 0)
        return text + "Kein Wort ist entfernt: " + index + " + 1" + position;
    if (decoding.index <= cycle.lowEnd()) {
        return text + "Nummer " + index + " liegt vor den entfernten Wörtern: " + index + " + 1" +
               position;
    }
    const std::string dropped = std::to_string(cycle.droppedCount());
    return text + "Nummer " + index + " liegt hinter den " + dropped +
           " entfernten Wörtern: " + index + " − " + dropped + " + 1" + position;
}

// Which bit and ring change from word to next, and how.
std::string changeText(const std::string& word, const std::string& next, int bits) {
    const std::int32_t bit = *singleChangedBit(word, next);
    const std::size_t at = word.size() - 1 - static_cast<std::size_t>(bit);
    return "Von " + word + " zu " + next + " ändert sich nur das " + std::to_string(bit + 1) +
           ". Zeichen von rechts (" + word[at] + " → " + next[at] + "), also " +
           bitAndRing(bit, bits) + ".";
}

// The rings read from the outside in, then the word written from the innermost ring out.
std::string readExplanation(const std::string& word) {
    std::string text = "Von außen nach innen gelesen: ";
    for (std::size_t ring = 1; ring <= word.size(); ++ring) {
        text += (ring == 1 ? "Ring " : ", Ring ") + std::to_string(ring) + " = " +
                word[word.size() - ring];
    }
    return text + " (schwarz ist 1). Ring 1 trägt Bit 0, das letzte Zeichen; von Ring " +
           std::to_string(word.size()) + " bis Ring 1 geschrieben ergibt das " + word + ".";
}

TTask taskAbout(TTaskKind kind, const TGrayCycle& cycle, int sector, TSeededDraw& draw) {
    const int n = cycle.codeCount();
    const std::vector<std::string>& words = cycle.words();
    const auto at = [&](int position) -> const std::string& {
        return words[static_cast<std::size_t>(((position % n) + n) % n)];
    };
    const std::string count = std::to_string(n);
    const std::string& word = at(sector);
    const std::string& next = at(sector + 1);
    TTask task{kind, n, sector, "", {}, "", ""};
    switch (kind) {
        case TTaskKind::NextWord:
            task.question = "Welches Codewort folgt im zyklischen Code mit " + count +
                            " Wörtern auf " + word + "?";
            task.answer = next;
            task.choices = choicesFrom(
                task.answer, nearWords(task.answer, {at(sector - 1), at(sector + 2)}), draw);
            task.explanation =
                word + " steht an " + positionText(sector) +
                (sector + 1 == n ? ", der letzten; danach kommt wieder Position 1 mit "
                                 : "; an " + positionText(sector + 1) + " folgt ") +
                next + ". " + changeText(word, next, cycle.bitCount());
            break;
        case TTaskKind::ChangingRing:
            task.question = "Vom Codewort " + word + " zum nächsten im zyklischen Code mit " +
                            count +
                            " Wörtern ändert sich ein Bit. In welchem Ring der Scheibe liegt es? "
                            "Ring 1 ist der äußerste.";
            task.answer = std::to_string(*singleChangedBit(word, next) + 1);
            task.explanation =
                "Auf " + word + " folgt " + next + ". " + changeText(word, next, cycle.bitCount());
            break;
        case TTaskKind::ReadSector:
            task.question = "Welches Codewort steht auf der Scheibe mit " + count +
                            " Wörtern im markierten Sektor an " + positionText(sector) +
                            "? Position 1 beginnt bei 3 Uhr, gezählt gegen den Uhrzeigersinn.";
            task.answer = word;
            task.choices =
                choicesFrom(task.answer, nearWords(word, {at(sector + 1), at(sector - 1)}), draw);
            task.explanation = readExplanation(word);
            break;
        case TTaskKind::Decode: {
            task.question = "Ein Drehgeber liest das Codewort " + word + " von der Scheibe mit " +
                            count + " Wörtern. An welcher Position im Zyklus steht es?";
            if (cycle.droppedCount() > 0) {
                task.question += " Der Code ist der Gray-Code mit " +
                                 std::to_string(cycle.fullCount()) + " Wörtern (Nummern 0 bis " +
                                 std::to_string(cycle.fullCount() - 1) + ") ohne die Nummern " +
                                 droppedNumbers(cycle) + ".";
            }
            task.answer = std::to_string(sector + 1);
            task.choices =
                choicesFrom(task.answer, nearPositions(sector + 1, cycle.indexOf(sector), n), draw);
            task.explanation = decodeExplanation(cycle, word);
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

// The disk that task is about, as the window shows it while the task is asked: the code's disk,
// the sector that a ReadSector task names outlined in the selection's colour.
std::string taskDiskSvg(const TTask& task) {
    const std::vector<std::string>& words = TGrayCycle::of(*TCodeCount::of(task.n)).words();
    TSvgCanvas svg(kDesignedDiskSize, kDesignedDiskSize,
                   "Codescheibe mit " + std::to_string(task.n) + " Wörtern", kPaperFace);
    paintDisk(svg, words);
    if (const std::optional<int> sector = markedSector(task)) {
        const TSectorMark mark = sectorMark(kDesignedDiskSize, words, {}, *sector);
        svg.outlineRingStretch(mark.centre, mark.centre, mark.outerRadius, mark.innerRadius,
                               mark.startAngle, mark.endAngle, mark.color, mark.outlineWidth);
    }
    return svg.document();
}

// A question's text with the disk it is about as a picture that the question bank carries
// along, so that the question stands alone in Moodle.
std::string questionText(const TTask& task) {
    const std::optional<int> marked = markedSector(task);
    const std::string n = std::to_string(task.n);
    const std::string picture =
        marked ? "scheibe-" + n + "-sektor-" + std::to_string(*marked + 1) + ".svg"
               : "scheibe-" + n + ".svg";
    const std::string alt =
        "Codescheibe mit " + n + " Wörtern" +
        (marked ? ", der Sektor an Position " + std::to_string(*marked + 1) + " rot umrandet" : "");
    const std::string html = "<p>" + xmlEscaped(task.question) +
                             "</p><p><img src=\"@@PLUGINFILE@@/" + picture + "\" alt=\"" + alt +
                             "\" width=\"350\" height=\"350\"></p>";
    return "<questiontext format=\"html\">" + textElement(html) + "<file name=\"" + picture +
           "\" path=\"/\" encoding=\"base64\">" + base64(taskDiskSvg(task)) +
           "</file></questiontext>";
}

// The question's name: what it asks, unique for a distinct task and sorted by kind, then by
// word or sector.
std::string questionName(const TTask& task) {
    const std::string& word =
        TGrayCycle::of(*TCodeCount::of(task.n)).words()[static_cast<std::size_t>(task.sector)];
    const std::string n = " (n = " + std::to_string(task.n) + ")";
    switch (task.kind) {
        case TTaskKind::NextWord:
            return "Nächstes Wort nach " + word + n;
        case TTaskKind::ChangingRing:
            return "Ring nach " + word + n;
        case TTaskKind::ReadSector: {
            const std::string position = std::to_string(task.sector + 1);
            return "Sektor ablesen, Position " + std::string(position.size() < 2 ? "0" : "") +
                   position + n;
        }
        case TTaskKind::Decode:
            return "Dekodieren " + word + n;
    }
    return "";
}

std::string feedbackElement(const char* element, const std::string& text) {
    return std::string("    <") + element + " format=\"html\">" + textElement(xmlEscaped(text)) +
           "</" + element + ">\n";
}

}  // namespace

std::string taskKindName(TTaskKind kind) {
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

bool TTaskKinds::set(TTaskKind kind, bool chosen) {
    bool& slot = m_chosen[static_cast<std::size_t>(kind)];
    if (slot == chosen || (!chosen && this->chosen().size() == 1)) return false;
    slot = chosen;
    return true;
}

std::vector<TTaskKind> TTaskKinds::chosen() const {
    std::vector<TTaskKind> kinds;
    for (const TTaskKind kind : kTaskKinds) {
        if (has(kind)) kinds.push_back(kind);
    }
    return kinds;
}

int distinctTasks(const TGrayCycle& cycle, const TTaskKinds& kinds) {
    return cycle.codeCount() * static_cast<int>(kinds.chosen().size());
}

std::vector<TTask> practiceTasks(const TGrayCycle& cycle, unsigned seed, int count,
                                 const TTaskKinds& kinds) {
    if (count < 1 || count > 200) {
        throw std::invalid_argument("practice: 1..200 tasks, not " + std::to_string(count));
    }
    const int n = cycle.codeCount();
    TSeededDraw draw(seed);
    std::vector<TTaskKind> turn;
    // Per kind the sectors not yet asked, drawn from the back; refilled once all were asked.
    std::array<std::vector<int>, kTaskKinds.size()> unasked;
    std::vector<TTask> tasks;
    for (int i = 0; i < count; ++i) {
        // Each turn holds every chosen kind once, in an order of its own, so that no kind runs
        // out of sectors before the others.
        if (turn.empty()) {
            turn = kinds.chosen();
            draw.shuffle(turn);
        }
        const TTaskKind kind = turn.back();
        turn.pop_back();
        std::vector<int>& sectors = unasked[static_cast<std::size_t>(kind)];
        if (sectors.empty()) {
            for (int sector = 0; sector < n; ++sector) sectors.push_back(sector);
            draw.shuffle(sectors);
        }
        const int sector = sectors.back();
        sectors.pop_back();
        tasks.push_back(taskAbout(kind, cycle, sector, draw));
    }
    return tasks;
}

std::optional<int> markedSector(const TTask& task) {
    if (task.kind == TTaskKind::ReadSector) return task.sector;
    return std::nullopt;
}

std::string choiceLabel(std::size_t index) {
    return std::string(1, static_cast<char>('a' + index)) + ")";
}

std::optional<int> choiceOfKey(std::string_view key) {
    if (key.size() != 1) return std::nullopt;
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(key.front())));
    if (lower < 'a' || lower > 'd') return std::nullopt;
    return lower - 'a';
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
    std::vector<const TTask*> sorted;
    for (const TTask& task : tasks) sorted.push_back(&task);
    std::stable_sort(sorted.begin(), sorted.end(), [](const TTask* a, const TTask* b) {
        return questionName(*a) < questionName(*b);
    });
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n"
        "  <question type=\"category\">\n    <category>" +
        textElement(category) + "</category>\n  </question>\n";
    for (const TTask* task : sorted) {
        const bool choices = !task->choices.empty();
        xml += "  <question type=\"" + std::string(choices ? "multichoice" : "shortanswer") +
               "\">\n    <name>" + textElement(questionName(*task)) + "</name>\n    " +
               questionText(*task) + "\n" + feedbackElement("generalfeedback", task->explanation) +
               "    <defaultgrade>1</defaultgrade>\n";
        if (choices) {
            xml +=
                "    <single>true</single>\n    <shuffleanswers>1</shuffleanswers>\n"
                "    <answernumbering>abc</answernumbering>\n" +
                feedbackElement("correctfeedback", "Richtig!") +
                feedbackElement("partiallycorrectfeedback", "") +
                feedbackElement("incorrectfeedback", "Leider falsch.");
            for (const std::string& choice : task->choices) {
                xml += "    <answer fraction=\"" +
                       std::string(choice == task->answer ? "100" : "0") + "\">" +
                       textElement(choice) + "</answer>\n";
            }
        } else {
            xml += "    <usecase>0</usecase>\n";
            std::vector<std::string> accepted{task->answer};
            // As the panel takes it: the ring also with its name.
            if (task->kind == TTaskKind::ChangingRing) {
                accepted.push_back("Ring " + task->answer);
                accepted.push_back("Ring" + task->answer);
            }
            for (const std::string& answer : accepted) {
                xml += "    <answer fraction=\"100\">" + textElement(answer) + "</answer>\n";
            }
        }
        xml += "  </question>\n";
    }
    return xml + "</quiz>\n";
}
