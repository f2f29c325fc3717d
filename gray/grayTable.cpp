// SPDX-License-Identifier: GPL-3.0-or-later
#include "gray/grayTable.h"

#include <algorithm>
#include <limits>

#include "gray/GrayUnit.h"

const std::array<std::string_view, kTableColumns> kTableHeadings = {
    "Nummer", "Dualzahl", "Rechts-Shift", "XOR", "Entfernen"};

std::int32_t shownCount(std::int64_t typed) {
    const std::int64_t even = typed % 2 != 0 ? typed + 1 : typed;
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(even, kMinShownCount, kMaxShownCount));
}

std::optional<std::int32_t> parsedInteger(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;  // beyond 32 bits either way
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::int32_t typedCount(std::string_view text) {
    return parsedInteger(text).value_or(kMinShownCount);
}

std::vector<TTableRow> tableRows(const TGray& gray) {
    std::vector<TTableRow> rows;
    rows.reserve(static_cast<std::size_t>(gray.fullCount()));
    for (std::int32_t i = 0; i < gray.fullCount(); ++i) {
        const bool dropped = i > gray.lowEnd() && i < gray.highStart();
        rows.push_back({std::to_string(i), gray.dualString(i), gray.dualString(i >> 1),
                        gray.dualString(TGray::grayOf(i)), dropped ? "*" : ""});
    }
    return rows;
}

std::string tableText(const TGray& gray) {
    std::string text;
    const auto addLine = [&text](const auto& cells) {
        for (std::size_t column = 0; column < kTableColumns; ++column) {
            if (column > 0) text += '\t';
            text += cells[column];
        }
        text += '\n';
    };
    addLine(kTableHeadings);
    for (const TTableRow& row : tableRows(gray)) addLine(row);
    return text;
}

std::string diskSummary(const TGray& gray) {
    return "n = " + std::to_string(gray.codeCount()) + " Codewörter, " +
           std::to_string(gray.bitCount()) + " Ringe";
}

std::string diskTitle(const TGray& gray) {
    return "Codescheibe mit " + std::to_string(gray.codeCount()) + " Wörtern";
}

std::string worksheetHeading(const TGray& gray) {
    return "Zyklischer Gray-Code mit n = " + std::to_string(gray.codeCount()) + " Codewörtern";
}
