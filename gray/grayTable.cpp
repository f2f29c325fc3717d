// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/grayTable.h"

#include "gray/grayCycle.h"

const std::array<std::string_view, kTableColumns> kTableHeadings = {
    "Nummer", "Dualzahl", "Rechts-Shift", "XOR", "Entfernen"};

std::vector<TTableRow> tableRows(const TGrayCycle& cycle) {
    std::vector<TTableRow> rows;
    rows.reserve(static_cast<std::size_t>(cycle.fullCount()));
    for (std::int32_t i = 0; i < cycle.fullCount(); ++i) {
        rows.push_back({std::to_string(i), cycle.dualString(i), cycle.dualString(i >> 1),
                        cycle.dualString(TGrayCycle::grayOf(i)), cycle.isDropped(i) ? "*" : ""});
    }
    return rows;
}

std::string tableText(const TGrayCycle& cycle) {
    std::string text;
    const auto addLine = [&text](const auto& cells) {
        for (std::size_t column = 0; column < kTableColumns; ++column) {
            if (column > 0) text += '\t';
            text += cells[column];
        }
        text += '\n';
    };
    addLine(kTableHeadings);
    for (const TTableRow& row : tableRows(cycle)) addLine(row);
    return text;
}

std::string diskSummary(const TGrayCycle& cycle) {
    return "n = " + std::to_string(cycle.codeCount()) + " Codewörter, " +
           std::to_string(cycle.bitCount()) + " Ringe";
}

std::string diskTitle(const TGrayCycle& cycle) {
    return "Codescheibe mit " + std::to_string(cycle.codeCount()) + " Wörtern";
}

std::string codeDiskFileName(const TGrayCycle& cycle, std::string_view extension) {
    std::string name = "codescheibe-" + std::to_string(cycle.codeCount());
    if (!extension.empty()) name.append(".").append(extension);
    return name;
}

std::string worksheetHeading(const TGrayCycle& cycle) {
    return "Zyklischer Gray-Code mit n = " + std::to_string(cycle.codeCount()) + " Codewörtern";
}
