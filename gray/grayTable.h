// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TGrayCycle;

// What the main window shows of a table, apart from how it shows it: the rows of the
// construction table, the table as text and the names of its disk. The desktop window and the
// browser page both call these.

inline constexpr std::size_t kTableColumns = 5;
using TTableRow = std::array<std::string, kTableColumns>;

// "Nummer", "Dualzahl", "Rechts-Shift", "XOR", "Entfernen".
extern const std::array<std::string_view, kTableColumns> kTableHeadings;

// One row per index of the full code: the index, its binary form, the binary form shifted right
// by one bit, their XOR (the Gray code word) and "*" on a dropped word, else "".
std::vector<TTableRow> tableRows(const TGrayCycle& cycle);

// The headings and the rows, cells separated by tabs, each line ended by a newline.
std::string tableText(const TGrayCycle& cycle);

// The texts that name a table's disk: "n = 10 Codewörter, 4 Ringe" for a screen reader,
// "Codescheibe mit 10 Wörtern" as a drawing's title and "Zyklischer Gray-Code mit n = 10
// Codewörtern" as a worksheet's heading.
std::string diskSummary(const TGrayCycle& cycle);
std::string diskTitle(const TGrayCycle& cycle);
std::string worksheetHeading(const TGrayCycle& cycle);
// The disk's file or print job name with extension, "codescheibe-10.png"; without the dot for an
// empty extension.
std::string codeDiskFileName(const TGrayCycle& cycle, std::string_view extension);
