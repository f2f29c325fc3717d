// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lesson/worksheet.h"

// Worksheets printed or saved together: one sheet, or a class set ("Klassensatz") of sheets in
// different variants, so that neighbours cannot copy; with their solutions, without, or the
// solutions alone.

inline constexpr int kMinClassSet = 2;
inline constexpr int kMaxClassSet = 40;

enum class TSheetPart : std::uint8_t { Sheets, SheetsAndSolutions, Solutions };

struct TSheetSet {
    TSheetKind kind;
    int n;             // even, 4..64
    unsigned variant;  // the first sheet's, 1..9999
    int copies;        // 1 for one sheet, else a class set of kMinClassSet..kMaxClassSet
    TSheetPart part;
};

// The variants of the set's sheets: copies consecutive ones from the first, on from
// kMinSheetVariant after kMaxSheetVariant, so that no two are alike.
std::vector<unsigned> sheetSetVariants(const TSheetSet& set);
// The set's pages in order: every sheet, then the solutions in the same order. Empty for a
// count, variant or number of copies out of range.
std::vector<TSheet> sheetSetPages(const TSheetSet& set);

// What the set holds, as a document or print job title: "Arbeitsblatt: Tabelle ausfüllen,
// Variante 17, 10 Codewörter", "Arbeitsblatt mit Lösung: …", "Lösung: …"; for a class set
// "Klassensatz: Tabelle ausfüllen, Varianten 17 bis 46, 10 Codewörter", "Klassensatz mit
// Lösungen: …" or "Lösungen zum Klassensatz: …".
std::string sheetSetTitle(const TSheetSet& set);
// The same as a plain ASCII file name with extension: "arbeitsblatt-tabelle-ausfuellen-10-v17.pdf",
// "arbeitsblatt-mit-loesung-…", "loesung-…"; for a class set
// "klassensatz-tabelle-ausfuellen-10-v17-v46.pdf", "klassensatz-mit-loesungen-…" or
// "loesungen-klassensatz-…", first and last variant. An empty extension leaves the dot out.
std::string sheetSetFileName(const TSheetSet& set, std::string_view extension);

// The whole set as one PDF document, each page A4 at true size; empty for a set out of range.
std::string sheetSetPdf(const TSheetSet& set);
