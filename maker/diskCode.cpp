// SPDX-License-Identifier: GPL-3.0-or-later
#include "maker/diskCode.h"

#include "gray/grayCycle.h"

TDiskWords diskWords(TCodeCount count, TDiskCode code) {
    const TGrayCycle& cycle = TGrayCycle::of(count);
    if (code == TDiskCode::Zyklora) return {cycle.bitCount(), cycle.words(), 0};
    const std::int32_t excess = (cycle.fullCount() - cycle.codeCount()) / 2;
    TDiskWords disk{cycle.bitCount(), {}, excess};
    for (std::int32_t index = excess; index < excess + cycle.codeCount(); ++index) {
        disk.words.push_back(cycle.dualString(TGrayCycle::grayOf(index)));
    }
    return disk;
}

std::vector<std::int32_t> positionTable(const TDiskWords& disk) {
    std::vector<std::int32_t> table(std::size_t{1} << disk.bits, 0);
    for (std::size_t position = 0; position < disk.words.size(); ++position) {
        table[std::stoul(disk.words[position], nullptr, 2)] =
            static_cast<std::int32_t>(position) + 1;
    }
    return table;
}
