// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/grayCycle.h"

#include "gray/GrayUnit.h"

std::vector<std::string> keptWords(TGray& gray) {
    std::vector<std::string> words;
    TListe& codes = gray.codes();
    for (codes.toFirst(); !codes.atEnd(); codes.next()) {
        words.push_back(static_cast<const TString*>(codes.current())->text());
    }
    return words;
}

std::int32_t fullIndexOfWord(const TGray& gray, std::int32_t word) {
    const std::int32_t dropped = gray.highStart() - gray.lowEnd() - 1;
    return word <= gray.lowEnd() ? word : word + dropped;
}

std::optional<std::int32_t> wordOfFullIndex(const TGray& gray, std::int32_t index) {
    if (index < 0 || index >= gray.fullCount()) return std::nullopt;
    if (index <= gray.lowEnd()) return index;
    if (index < gray.highStart()) return std::nullopt;
    return index - (gray.highStart() - gray.lowEnd() - 1);
}

std::int32_t steppedWord(std::optional<std::int32_t> selected, std::int32_t step,
                         std::int32_t count) {
    return selected ? ((*selected + step) % count + count) % count : 0;
}

std::string wordOfCycle(const TGray& gray, std::int32_t word) {
    return gray.dualString(TGray::grayOf(fullIndexOfWord(gray, word)));
}

std::optional<std::int32_t> singleChangedBit(const std::string& from, const std::string& to) {
    if (from.size() != to.size()) return std::nullopt;
    std::optional<std::int32_t> changed;
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (from[i] == to[i]) continue;
        if (changed) return std::nullopt;
        changed = static_cast<std::int32_t>(from.size() - 1 - i);
    }
    return changed;
}

TCycleCheck checkCycle(const std::vector<std::string>& words) {
    const std::size_t count = words.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& next = words[(i + 1) % count];
        if (!singleChangedBit(words[i], next)) {
            return {false, "Nicht zyklisch: Wort " + std::to_string(i + 1) + " (" + words[i] +
                               ") und Wort " + std::to_string((i + 1) % count + 1) + " (" + next +
                               ") unterscheiden sich nicht in genau einem Bit"};
        }
    }
    if (count < 2) return {false, "Nicht zyklisch: zu wenige Wörter"};
    return {true, "Zyklisch: alle " + std::to_string(count) + " Übergänge ändern genau ein Bit"};
}

std::string bitAndRing(std::int32_t bit, std::int32_t bits) {
    const std::string ring = bit == 0          ? "äußerer Ring"
                             : bit == bits - 1 ? "innerer Ring"
                                               : "Ring " + std::to_string(bit + 1) + " von außen";
    return "Bit " + std::to_string(bit) + " (" + ring + ")";
}

std::string sectorDescription(const TGray& gray, std::int32_t word) {
    const std::int32_t count = gray.codeCount();
    const std::int32_t next = (word + 1) % count;
    const std::string from = wordOfCycle(gray, word);
    const std::string to = wordOfCycle(gray, next);
    const std::int32_t bit = singleChangedBit(from, to).value_or(0);
    return "Wort " + std::to_string(word + 1) + " von " + std::to_string(count) + ": " + from +
           "\nNummer " + std::to_string(fullIndexOfWord(gray, word)) +
           " im vollständigen Code\nZum nächsten Wort " + to + " ändert sich " +
           bitAndRing(bit, gray.bitCount());
}
