// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TGray;

// What the main window shows of a table, apart from how it shows it: the count it accepts, the
// rows of the construction table and the table as text. The desktop window and the browser page
// both call these.

// The counts the count field offers; the label promises "gerade Zahl von 4 bis 64".
inline constexpr std::int32_t kMinShownCount = 4;
inline constexpr std::int32_t kMaxShownCount = 64;

// The count OK builds for a typed count: an odd one raised by one, then clamped into
// kMinShownCount .. kMaxShownCount.
std::int32_t shownCount(std::int64_t typed);

// A field's text read as a whole number: decimal digits with an optional sign, blanks around
// them allowed, within 32 bits; nothing for any other text ("", "abc", "1e3", "0x10", "2.5").
std::optional<std::int32_t> parsedInteger(std::string_view text);
// The count a count field's text stands for, in both editions: its number, or kMinShownCount
// when it holds none. Not yet raised or clamped; shownCount does that.
std::int32_t typedCount(std::string_view text);

inline constexpr std::size_t kTableColumns = 5;
using TTableRow = std::array<std::string, kTableColumns>;

// "Nummer", "Dualzahl", "Rechts-Shift", "XOR", "Entfernen".
extern const std::array<std::string_view, kTableColumns> kTableHeadings;

// One row per index of the full code: the index, its binary form, the binary form shifted right
// by one bit, their XOR (the Gray code word) and "*" on a dropped word, else "".
std::vector<TTableRow> tableRows(const TGray& gray);

// The headings and the rows, cells separated by tabs, each line ended by a newline.
std::string tableText(const TGray& gray);

// The texts that name a table's disk: "n = 10 Codewörter, 4 Ringe" for a screen reader,
// "Codescheibe mit 10 Wörtern" as a drawing's title and "Zyklischer Gray-Code mit n = 10
// Codewörtern" as a worksheet's heading.
std::string diskSummary(const TGray& gray);
std::string diskTitle(const TGray& gray);
std::string worksheetHeading(const TGray& gray);
