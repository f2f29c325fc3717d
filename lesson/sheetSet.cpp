// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/sheetSet.h"

#include <array>

#include "draw/pdfCanvas.h"
#include "gray/codeCount.h"

namespace {

bool inRange(const TSheetSet& set) {
    return TCodeCount::of(set.n) && set.variant >= kMinSheetVariant &&
           set.variant <= kMaxSheetVariant &&
           (set.copies == 1 || (set.copies >= kMinClassSet && set.copies <= kMaxClassSet));
}

// What a set of each part holds, for one sheet and for a class set: in titles and in file names.
struct TPartNames {
    std::string_view title;
    std::string_view file;
};
constexpr std::array<TPartNames, 3> kOneSheet = {{
    {"Arbeitsblatt", "arbeitsblatt"},
    {"Arbeitsblatt mit Lösung", "arbeitsblatt-mit-loesung"},
    {"Lösung", "loesung"},
}};
constexpr std::array<TPartNames, 3> kClassSet = {{
    {"Klassensatz", "klassensatz"},
    {"Klassensatz mit Lösungen", "klassensatz-mit-loesungen"},
    {"Lösungen zum Klassensatz", "loesungen-klassensatz"},
}};

const TPartNames& namesOf(const TSheetSet& set) {
    return (set.copies == 1 ? kOneSheet : kClassSet)[static_cast<std::size_t>(set.part)];
}

}  // namespace

std::vector<unsigned> sheetSetVariants(const TSheetSet& set) {
    constexpr unsigned kVariants = kMaxSheetVariant - kMinSheetVariant + 1;
    std::vector<unsigned> variants;
    for (int i = 0; i < set.copies; ++i) {
        variants.push_back(kMinSheetVariant +
                           (set.variant - kMinSheetVariant + static_cast<unsigned>(i)) % kVariants);
    }
    return variants;
}

std::vector<TSheet> sheetSetPages(const TSheetSet& set) {
    if (!inRange(set)) return {};
    std::vector<TSheet> pages;
    for (const bool solution : {false, true}) {
        const bool wanted =
            solution ? set.part != TSheetPart::Sheets : set.part != TSheetPart::Solutions;
        if (!wanted) continue;
        for (const unsigned variant : sheetSetVariants(set)) {
            pages.push_back({set.kind, set.n, variant, solution});
        }
    }
    return pages;
}

std::string sheetSetTitle(const TSheetSet& set) {
    std::string title(namesOf(set).title);
    title += ": ";
    title += sheetKindName(set.kind);
    title += set.copies == 1 ? ", Variante " : ", Varianten ";
    title += std::to_string(set.variant);
    if (set.copies > 1) {
        title += " bis ";
        title += std::to_string(sheetSetVariants(set).back());
    }
    title += ", ";
    title += std::to_string(set.n);
    title += " Codewörter";
    return title;
}

std::string sheetSetFileName(const TSheetSet& set, std::string_view extension) {
    std::string name(namesOf(set).file);
    name += '-';
    name += sheetKindSlug(set.kind);
    name += '-';
    name += std::to_string(set.n);
    name += "-v";
    name += std::to_string(set.variant);
    if (set.copies > 1) {
        name += "-v";
        name += std::to_string(sheetSetVariants(set).back());
    }
    if (!extension.empty()) {
        name += '.';
        name += extension;
    }
    return name;
}

std::string sheetSetPdf(const TSheetSet& set) {
    const std::vector<TSheet> pages = sheetSetPages(set);
    if (pages.empty()) return {};
    TPdfCanvas pdf(kSheetWidth, kSheetHeight, TPaper{kSheetWidthMm, kSheetHeightMm},
                   sheetSetTitle(set), rgbColor(255, 255, 255));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) pdf.newPage();
        paintSheet(pdf, pages[page]);
    }
    return pdf.document();
}
