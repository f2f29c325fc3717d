// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/construction.h"

#include "gray/cycleCheck.h"
#include "gray/grayCycle.h"

namespace {

std::string reflectedText(int from, int to) {
    const std::string words = std::to_string(from * 2);
    return "Spiegeln und voranstellen: Die " + std::to_string(from) +
           " Wörter werden in umgekehrter Reihenfolge darunter gespiegelt, den alten wird 0 und "
           "den gespiegelten 1 vorangestellt; so entstehen " +
           words + " Wörter mit " + std::to_string(to) +
           " Bits. In jeder Hälfte ändert sich wie zuvor genau ein Bit, und an der Spiegelachse "
           "wie vom letzten zum ersten Wort nur das vorangestellte.";
}

std::string dropText(const TGrayCycle& cut, const std::vector<std::string>& words) {
    const int n = cut.codeCount();
    if (cut.droppedCount() == 0) {
        return "Entfernen: " + std::to_string(n) +
               " ist eine Zweierpotenz, also wird kein Wort entfernt; alle " + std::to_string(n) +
               " Wörter bleiben.";
    }
    const auto low = static_cast<std::size_t>(cut.lowEnd());
    const auto high = static_cast<std::size_t>(cut.highStart());
    return "Entfernen: Aus der Mitte der zweiten Hälfte der Liste (auf der Scheibe des "
           "vollständigen Codes unten) werden die " +
           std::to_string(cut.droppedCount()) + " mit * markierten Wörter mit den Nummern " +
           droppedNumbers(cut) + " entfernt, damit genau " + std::to_string(n) +
           " übrig bleiben. Die Wörter mit den Nummern " + std::to_string(cut.lowEnd()) + " (" +
           words[low] + ") und " + std::to_string(cut.highStart()) + " (" + words[high] +
           ") zu beiden Seiten liegen gleich weit von dieser Mitte: Unter dem vorangestellten "
           "Bit sind sie Spiegelbilder und unterscheiden sich deshalb in genau einem Bit.";
}

}  // namespace

std::string droppedNumbers(const TGrayCycle& cut) {
    const int first = cut.lowEnd() + 1;
    const int last = cut.highStart() - 1;
    // Two numbers side by side are "5 und 6", a longer run "9 bis 14".
    return std::to_string(first) + (last == first + 1 ? " und " : " bis ") + std::to_string(last);
}

std::vector<TConstructionStep> constructionSteps(const TGrayCycle& cut) {
    const int n = cut.codeCount();
    std::vector<TConstructionStep> steps;
    steps.push_back(
        {TStepKind::Start,
         {"0", "1"},
         {},
         "Start: Ein Bit ergibt die zwei Codewörter 0 und 1, die sich in genau einem Bit "
         "unterscheiden.",
         {}});
    for (int bits = 2; bits <= cut.bitCount(); ++bits) {
        const std::vector<std::string>& before = steps.back().words;
        TConstructionStep mirror{
            TStepKind::Mirror, {}, {}, reflectedText(static_cast<int>(before.size()), bits), {}};
        for (const std::string& word : before) mirror.words.push_back("0" + word);
        for (auto word = before.rbegin(); word != before.rend(); ++word) {
            mirror.marked.push_back(static_cast<int>(mirror.words.size()));
            mirror.words.push_back("1" + *word);
        }
        steps.push_back(std::move(mirror));
    }
    TConstructionStep drop{TStepKind::Drop, steps.back().words, {}, "", {}};
    for (int index = 0; index < cut.fullCount(); ++index) {
        if (cut.isDropped(index)) drop.marked.push_back(index);
    }
    drop.text = dropText(cut, drop.words);

    TConstructionStep close{TStepKind::Close, cut.words(), {}, "", {}};
    for (int position = 0; position < n; ++position) close.numbers.push_back(cut.indexOf(position));
    // "übrigen" only where words were dropped.
    close.text = "Schließen: Die " + std::to_string(n) +
                 (cut.droppedCount() > 0 ? " übrigen" : "") +
                 " Wörter bilden den Code; das letzte " + close.words.back() + " und das erste " +
                 close.words.front() + " unterscheiden sich nur im vorangestellten Bit. " +
                 checkCycle(close.words).text + ".";
    steps.push_back(std::move(drop));
    steps.push_back(std::move(close));
    for (TConstructionStep& step : steps) {
        for (int i = static_cast<int>(step.numbers.size()); i < static_cast<int>(step.words.size());
             ++i) {
            step.numbers.push_back(i);
        }
    }
    return steps;
}

std::optional<TDecoding> decodeWord(const TGrayCycle& cut, const std::string& word) {
    if (word.size() != static_cast<std::size_t>(cut.bitCount()) ||
        word.find_first_not_of("01") != std::string::npos) {
        return std::nullopt;
    }
    TDecoding decoding{std::string(word.size(), '0'), 0, 0};
    char running = '0';
    for (std::size_t i = 0; i < word.size(); ++i) {
        running = running == word[i] ? '0' : '1';
        decoding.binary[i] = running;
        decoding.index = decoding.index * 2 + (running == '1' ? 1 : 0);
    }
    const std::optional<std::int32_t> position = cut.positionOf(decoding.index);
    if (!position) return std::nullopt;
    decoding.position = *position;
    return decoding;
}

std::string decodingText(const TGrayCycle& cut, const std::string& word) {
    const std::optional<TDecoding> decoding = decodeWord(cut, word);
    if (!decoding) return "";
    std::string text = word + " → Dualzahl " + decoding->binary + " → Nummer " +
                       std::to_string(decoding->index) + " im vollständigen Code → " +
                       std::to_string(decoding->index);
    if (decoding->index >= cut.highStart() && cut.droppedCount() > 0) {
        text += " − " + std::to_string(cut.droppedCount()) + " entfernte Wörter";
    }
    return text + " + 1 = Position " + std::to_string(decoding->position + 1) + " von " +
           std::to_string(cut.codeCount());
}
