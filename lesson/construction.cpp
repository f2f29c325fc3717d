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
    return "Entfernen: Aus der Mitte der oberen Hälfte werden die " +
           std::to_string(cut.droppedCount()) + " mit * markierten Wörter " +
           std::to_string(cut.lowEnd() + 1) + " bis " + std::to_string(cut.highStart() - 1) +
           " entfernt, damit genau " + std::to_string(n) + " übrig bleiben. Die Wörter " +
           std::to_string(cut.lowEnd()) + " (" + words[low] + ") und " +
           std::to_string(cut.highStart()) + " (" + words[high] +
           ") zu beiden Seiten liegen gleich weit von dieser Mitte: Unter dem vorangestellten "
           "Bit sind sie Spiegelbilder und unterscheiden sich deshalb in genau einem Bit.";
}

}  // namespace

std::vector<TConstructionStep> constructionSteps(const TGrayCycle& cut) {
    const int n = cut.codeCount();
    std::vector<TConstructionStep> steps;
    steps.push_back({TStepKind::Start,
                     {"0", "1"},
                     {},
                     "Start: Ein Bit ergibt die zwei Wörter 0 und 1, die sich in genau einem Bit "
                     "unterscheiden."});
    for (int bits = 2; bits <= cut.bitCount(); ++bits) {
        const std::vector<std::string>& before = steps.back().words;
        TConstructionStep mirror{
            TStepKind::Mirror, {}, {}, reflectedText(static_cast<int>(before.size()), bits)};
        for (const std::string& word : before) mirror.words.push_back("0" + word);
        for (auto word = before.rbegin(); word != before.rend(); ++word) {
            mirror.marked.push_back(static_cast<int>(mirror.words.size()));
            mirror.words.push_back("1" + *word);
        }
        steps.push_back(std::move(mirror));
    }
    TConstructionStep drop{TStepKind::Drop, steps.back().words, {}, ""};
    for (int index = 0; index < cut.fullCount(); ++index) {
        if (cut.isDropped(index)) drop.marked.push_back(index);
    }
    drop.text = dropText(cut, drop.words);

    TConstructionStep close{TStepKind::Close, cut.words(), {}, ""};
    close.text = "Schließen: Die " + std::to_string(n) +
                 " übrigen Wörter bilden den Code; das letzte " + close.words.back() +
                 " und das erste " + close.words.front() +
                 " unterscheiden sich nur im vorangestellten Bit. " + checkCycle(close.words).text;
    steps.push_back(std::move(drop));
    steps.push_back(std::move(close));
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
                       std::to_string(decoding->index) + " im vollständigen Code → ";
    if (decoding->index >= cut.highStart() && cut.droppedCount() > 0) {
        text += std::to_string(decoding->index) + " − " + std::to_string(cut.droppedCount()) +
                " entfernte Wörter = Position " + std::to_string(decoding->position) + " → ";
    }
    return text + "Wort " + std::to_string(decoding->position + 1) + " von " +
           std::to_string(cut.codeCount());
}
