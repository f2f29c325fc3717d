// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TCanvas;
class TGrayCycle;

// Worksheets ("Arbeitsblätter") for a cyclic Gray code, each with its solution page: a disk to
// shade, a table to fill in or a disk to read. Both editions print them; the engine draws them.

enum class TSheetKind : std::uint8_t { FillDisk, FillTable, ReadDisk };

struct TSheet {
    TSheetKind kind;
    int n;             // even, 4..64
    unsigned variant;  // 1..9999: which cells are left blank or which sectors are asked
    bool solution;     // the solution page of the same variant
};

// The page: A4 portrait in units of 0.1 mm, with 15 mm margins that everything stays within.
inline constexpr std::int32_t kSheetWidth = 2100;
inline constexpr std::int32_t kSheetHeight = 2970;
inline constexpr std::int32_t kSheetMargin = 150;
inline constexpr std::int32_t kSheetWidthMm = kSheetWidth / 10;
inline constexpr std::int32_t kSheetHeightMm = kSheetHeight / 10;
// A font of p points is p * kSheetUnitsPerPoint units tall on the page (a point is 1/72 inch);
// the canvases that show a sheet size their fonts so.
inline constexpr double kSheetUnitsPerPoint = 254.0 / 72;
inline constexpr unsigned kMinSheetVariant = 1;
inline constexpr unsigned kMaxSheetVariant = 9999;
// The disks' diameter and the check bar's length.
inline constexpr std::int32_t kSheetDiskSize = 1200;
inline constexpr std::int32_t kCheckBarLength = 1000;

// Draws one A4 portrait page on canvas in units of 0.1 mm (the canvas is 2100 wide, 2970
// high). False, drawing nothing, for an n or variant out of range.
//
// Every page has the heading "Gray-Code – Arbeitsblatt" or "Gray-Code – Lösung", the kind's
// name, "Name:", "Klasse:" and "Datum:" lines, "Variante 17 · 10 Codewörter", the task and a
// check bar of 100 mm (one line from x to x + 1000) with its label "100 mm". The variant
// decides the blank cells of FillTable and the labelled sectors of ReadDisk; the same sheet
// always draws the same calls. The button face (clBtnFace) is never drawn: paper is white.
bool paintSheet(TCanvas& canvas, const TSheet& sheet);

// The page that the toolbar's "Drucken" prints for the table shown, A4 portrait on canvas as
// paintSheet draws: the heading "Zyklischer Gray-Code mit n = 10 Codewörtern", the words
// numbered by position, the disk filled with them and numbered at its rim, 120 mm across, and
// the check bar. Paper is white.
void paintDiskPage(TCanvas& canvas, const TGrayCycle& cycle);

// "Scheibe ausfüllen", "Tabelle ausfüllen" or "Scheibe ablesen".
std::string sheetKindName(TSheetKind kind);
// The sheet's name as a document title: "Arbeitsblatt: Scheibe ausfüllen, Variante 17,
// 10 Codewörter", or "Lösung: …" for a solution.
std::string sheetTitle(const TSheet& sheet);
// A file name for the sheet with extension, such as "arbeitsblatt-scheibe-ausfuellen-10-v17.pdf"
// or "loesung-scheibe-ablesen-10-v17.svg"; plain ASCII, so that any file system takes it.
std::string sheetFileName(const TSheet& sheet, std::string_view extension);
// The kind as file names write it: "scheibe-ausfuellen", "tabelle-ausfuellen" or
// "scheibe-ablesen".
std::string sheetKindSlug(TSheetKind kind);

// A variant from kMinSheetVariant to kMaxSheetVariant other than current, chosen by entropy
// (any random number), each alike often; "Neue Variante" asks for one.
unsigned newSheetVariant(unsigned current, std::uint64_t entropy);
