// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/cycleCheck.h"

#include "gray/grayCycle.h"

std::int32_t steppedWord(std::optional<std::int32_t> selected, std::int32_t step,
                         std::int32_t count) {
    return selected ? ((*selected + step) % count + count) % count : 0;
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
            return {false, "Nicht zyklisch: Position " + std::to_string(i + 1) + " (" + words[i] +
                               ") und Position " + std::to_string((i + 1) % count + 1) + " (" +
                               next + ") unterscheiden sich nicht in genau einem Bit"};
        }
    }
    if (count < 2) return {false, "Nicht zyklisch: zu wenige Wörter"};
    return {true, "Zyklisch: alle " + std::to_string(count) + " Übergänge ändern genau ein Bit"};
}

std::string bitAndRing(std::int32_t bit, std::int32_t bits) {
    // Bit b lies on ring b + 1, counted from the outside.
    const std::string where = bit == 0 ? ", außen" : bit == bits - 1 ? ", innen" : "";
    return "Bit " + std::to_string(bit) + " (Ring " + std::to_string(bit + 1) + where + ")";
}

std::string sectorDescription(const TGrayCycle& cycle, std::int32_t word) {
    const std::int32_t count = cycle.codeCount();
    const std::int32_t next = (word + 1) % count;
    const std::string& from = cycle.words()[static_cast<std::size_t>(word)];
    const std::string& to = cycle.words()[static_cast<std::size_t>(next)];
    const std::int32_t bit = singleChangedBit(from, to).value_or(0);
    return "Position " + std::to_string(word + 1) + " von " + std::to_string(count) + ": " + from +
           "\nNummer " + std::to_string(cycle.indexOf(word)) +
           " im vollständigen Code\nZum nächsten Codewort " + to + " ändert sich " +
           bitAndRing(bit, cycle.bitCount());
}
