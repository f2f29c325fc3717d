// SPDX-License-Identifier: GPL-3.0-or-later
#include "lesson/sheetSet.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

// The pages' variants, the sheets' before " / " and the solutions' after it: "17 18 / 17 18".
std::string variantsOf(const std::vector<TSheet>& pages) {
    std::string sheets;
    std::string solutions;
    for (const TSheet& page : pages) {
        std::string& part = page.solution ? solutions : sheets;
        if (!part.empty()) part += ' ';
        part += std::to_string(page.variant);
    }
    return sheets + " / " + solutions;
}

TEST(TSheetSet, AllSheetsComeFirstThenTheirSolutionsInTheSameOrderEachVariantOnce) {
    struct TCase {
        unsigned variant;
        int copies;
        TSheetPart part;
        std::string expected;
    };
    const TCase cases[] = {
        {17, 1, TSheetPart::Sheets, "17 / "},
        {17, 1, TSheetPart::SheetsAndSolutions, "17 / 17"},
        {17, 1, TSheetPart::Solutions, " / 17"},
        {17, 3, TSheetPart::SheetsAndSolutions, "17 18 19 / 17 18 19"},
        {17, 2, TSheetPart::Sheets, "17 18 / "},
        // After 9999 on from 1.
        {9998, 4, TSheetPart::SheetsAndSolutions, "9998 9999 1 2 / 9998 9999 1 2"},
        {9999, 3, TSheetPart::Solutions, " / 9999 1 2"},
    };
    for (const TCase& c : cases) {
        const TSheetSet set{TSheetKind::FillTable, 10, c.variant, c.copies, c.part};
        const std::vector<TSheet> pages = sheetSetPages(set);
        EXPECT_EQ(variantsOf(pages), c.expected);
        for (const TSheet& page : pages) {
            EXPECT_EQ(page.kind, TSheetKind::FillTable);
            EXPECT_EQ(page.n, 10);
        }
    }
    for (const unsigned first : {1u, 5000u, 9980u, 9999u}) {
        const std::vector<unsigned> variants =
            sheetSetVariants({TSheetKind::ReadDisk, 64, first, kMaxClassSet, TSheetPart::Sheets});
        EXPECT_EQ(variants.size(), std::size_t{kMaxClassSet});
        EXPECT_EQ(std::set(variants.begin(), variants.end()).size(), variants.size()) << first;
        EXPECT_EQ(variants.front(), first);
        for (const unsigned variant : variants) {
            EXPECT_TRUE(variant >= kMinSheetVariant && variant <= kMaxSheetVariant) << variant;
        }
    }
}

TEST(TSheetSet, ASetOutOfRangeHasNoPagesAndNoPdf) {
    const TSheetSet refused[] = {
        {TSheetKind::FillDisk, 10, 17, 0, TSheetPart::Sheets},
        {TSheetKind::FillDisk, 10, 17, kMaxClassSet + 1, TSheetPart::Sheets},
        {TSheetKind::FillDisk, 10, 17, -3, TSheetPart::SheetsAndSolutions},
        {TSheetKind::FillTable, 7, 17, 2, TSheetPart::Sheets},
        {TSheetKind::ReadDisk, 10, 0, 2, TSheetPart::Solutions},
        {TSheetKind::ReadDisk, 10, kMaxSheetVariant + 1, 1, TSheetPart::Sheets},
    };
    for (const TSheetSet& set : refused) {
        EXPECT_TRUE(sheetSetPages(set).empty()) << sheetSetTitle(set);
        EXPECT_TRUE(sheetSetPdf(set).empty()) << sheetSetTitle(set);
    }
}

TEST(TSheetSet, TitlesAndFileNamesSayWhatTheSetHolds) {
    struct TCase {
        int copies;
        TSheetPart part;
        std::string title;
        std::string fileName;
    };
    const TCase cases[] = {
        {1, TSheetPart::Sheets, "Arbeitsblatt: Tabelle ausfüllen, Variante 17, 10 Codewörter",
         "arbeitsblatt-tabelle-ausfuellen-10-v17.pdf"},
        {1, TSheetPart::SheetsAndSolutions,
         "Arbeitsblatt mit Lösung: Tabelle ausfüllen, Variante 17, 10 Codewörter",
         "arbeitsblatt-mit-loesung-tabelle-ausfuellen-10-v17.pdf"},
        {1, TSheetPart::Solutions, "Lösung: Tabelle ausfüllen, Variante 17, 10 Codewörter",
         "loesung-tabelle-ausfuellen-10-v17.pdf"},
        {30, TSheetPart::Sheets,
         "Klassensatz: Tabelle ausfüllen, Varianten 17 bis 46, 10 Codewörter",
         "klassensatz-tabelle-ausfuellen-10-v17-v46.pdf"},
        {30, TSheetPart::SheetsAndSolutions,
         "Klassensatz mit Lösungen: Tabelle ausfüllen, Varianten 17 bis 46, 10 Codewörter",
         "klassensatz-mit-loesungen-tabelle-ausfuellen-10-v17-v46.pdf"},
        {30, TSheetPart::Solutions,
         "Lösungen zum Klassensatz: Tabelle ausfüllen, Varianten 17 bis 46, 10 Codewörter",
         "loesungen-klassensatz-tabelle-ausfuellen-10-v17-v46.pdf"},
    };
    for (const TCase& c : cases) {
        const TSheetSet set{TSheetKind::FillTable, 10, 17, c.copies, c.part};
        EXPECT_EQ(sheetSetTitle(set), c.title);
        EXPECT_EQ(sheetSetFileName(set, "pdf"), c.fileName);
    }
    // One sheet is named as its page; a class set by its first and last variant; without an
    // extension, without its dot.
    EXPECT_EQ(sheetSetTitle({TSheetKind::ReadDisk, 64, 9999, 1, TSheetPart::Solutions}),
              sheetTitle({TSheetKind::ReadDisk, 64, 9999, true}));
    EXPECT_EQ(sheetSetFileName({TSheetKind::FillDisk, 4, 9990, 20, TSheetPart::Sheets}, ""),
              "klassensatz-scheibe-ausfuellen-4-v9990-v10");
}

}  // namespace
