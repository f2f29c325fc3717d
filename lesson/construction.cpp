// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/construction.h"

#include <stdexcept>

#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"

namespace {

// Where the code of n words is cut from the reflected code of 2^bits words: the kept words are
// 0 .. lowEnd and highStart .. 2^bits - 1, the block between them is dropped.
struct TCut {
    int bits;
    int full;
    int lowEnd;
    int highStart;
    int dropped() const { return highStart - lowEnd - 1; }
};

TCut cutFor(int n) {
    if (n < 4 || n > 64 || n % 2 != 0) {
        throw std::invalid_argument("construction: the count must be even and 4..64, not " +
                                    std::to_string(n));
    }
    // The table's own cut, computed without writing to the window's listing.
    TGray gray(n);
    gray.computeCodes();
    return {gray.bitCount(), gray.fullCount(), gray.lowEnd(), gray.highStart()};
}

std::string reflectedText(int from, int to) {
    const std::string words = std::to_string(from * 2);
    return "Spiegeln und voranstellen: Die " + std::to_string(from) +
           " Wörter werden in umgekehrter Reihenfolge darunter gespiegelt, den alten wird 0 und "
           "den gespiegelten 1 vorangestellt; so entstehen " +
           words + " Wörter mit " + std::to_string(to) +
           " Bits. In jeder Hälfte ändert sich wie zuvor genau ein Bit, und an der Spiegelachse "
           "wie vom letzten zum ersten Wort nur das vorangestellte.";
}

std::string dropText(const TCut& cut, int n, const std::vector<std::string>& words) {
    if (cut.dropped() == 0) {
        return "Entfernen: " + std::to_string(n) +
               " ist eine Zweierpotenz, also wird kein Wort entfernt; alle " + std::to_string(n) +
               " Wörter bleiben.";
    }
    const auto low = static_cast<std::size_t>(cut.lowEnd);
    const auto high = static_cast<std::size_t>(cut.highStart);
    return "Entfernen: Aus der Mitte der oberen Hälfte werden die " +
           std::to_string(cut.dropped()) + " mit * markierten Wörter " +
           std::to_string(cut.lowEnd + 1) + " bis " + std::to_string(cut.highStart - 1) +
           " entfernt, damit genau " + std::to_string(n) + " übrig bleiben. Die Wörter " +
           std::to_string(cut.lowEnd) + " (" + words[low] + ") und " +
           std::to_string(cut.highStart) + " (" + words[high] +
           ") zu beiden Seiten liegen gleich weit von dieser Mitte: Unter dem vorangestellten "
           "Bit sind sie Spiegelbilder und unterscheiden sich deshalb in genau einem Bit.";
}

}  // namespace

std::vector<TConstructionStep> constructionSteps(int n) {
    const TCut cut = cutFor(n);
    std::vector<TConstructionStep> steps;
    steps.push_back({TStepKind::Start,
                     {"0", "1"},
                     {},
                     "Start: Ein Bit ergibt die zwei Wörter 0 und 1, die sich in genau einem Bit "
                     "unterscheiden."});
    for (int bits = 2; bits <= cut.bits; ++bits) {
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
    for (int index = cut.lowEnd + 1; index < cut.highStart; ++index) drop.marked.push_back(index);
    drop.text = dropText(cut, n, drop.words);

    TConstructionStep close{TStepKind::Close, {}, {}, ""};
    for (int index = 0; index < cut.full; ++index) {
        if (index <= cut.lowEnd || index >= cut.highStart) {
            close.words.push_back(drop.words[static_cast<std::size_t>(index)]);
        }
    }
    close.text = "Schließen: Die " + std::to_string(n) +
                 " übrigen Wörter bilden den Code; das letzte " + close.words.back() +
                 " und das erste " + close.words.front() +
                 " unterscheiden sich nur im vorangestellten Bit. " + checkCycle(close.words).text;
    steps.push_back(std::move(drop));
    steps.push_back(std::move(close));
    return steps;
}

TDecoding decodeWord(int n, const std::string& word) {
    const TCut cut = cutFor(n);
    if (word.size() != static_cast<std::size_t>(cut.bits) ||
        word.find_first_not_of("01") != std::string::npos) {
        throw std::invalid_argument("construction: \"" + word + "\" is no word of " +
                                    std::to_string(cut.bits) + " bits");
    }
    TDecoding decoding{std::string(word.size(), '0'), 0, 0};
    char running = '0';
    for (std::size_t i = 0; i < word.size(); ++i) {
        running = running == word[i] ? '0' : '1';
        decoding.binary[i] = running;
        decoding.index = decoding.index * 2 + (running == '1' ? 1 : 0);
    }
    if (decoding.index > cut.lowEnd && decoding.index < cut.highStart) {
        throw std::invalid_argument("construction: " + word + " is dropped from the code of " +
                                    std::to_string(n) + " words");
    }
    decoding.position =
        decoding.index <= cut.lowEnd ? decoding.index : decoding.index - cut.dropped();
    return decoding;
}

std::string decodingText(int n, const std::string& word) {
    const TDecoding decoding = decodeWord(n, word);
    const TCut cut = cutFor(n);
    std::string text = word + " → Dualzahl " + decoding.binary + " → Nummer " +
                       std::to_string(decoding.index) + " im vollständigen Code → ";
    if (decoding.index >= cut.highStart && cut.dropped() > 0) {
        text += std::to_string(decoding.index) + " − " + std::to_string(cut.dropped()) +
                " entfernte Wörter = Position " + std::to_string(decoding.position) + " → ";
    }
    return text + "Wort " + std::to_string(decoding.position + 1) + " von " + std::to_string(n);
}
