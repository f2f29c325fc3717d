// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/countDialogTool.h"
#include "lesson/sheetSet.h"
#include "lesson/worksheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QSpinBox;

// The worksheets on paper: each page A4 portrait at true size, 0.1 mm of the engine being
// 0.1 mm on the paper whatever the printer's resolution and margins; the set's pages in order.
// The print job is named as the set's PDF file would be.
void printSheets(QPrinter& printer, const TSheetSet& set);
// The same pages as a PDF file; false when the file cannot be written.
bool writeSheetPdf(const QString& fileName, const TSheetSet& set);

// "Arbeitsblatt": the kind, the count, the variant with "Neue Variante", "Lösung beilegen",
// "Klassensatz mit … Blättern", a preview of the first page, and the buttons that print the
// sheets, save them as a PDF or save their solutions alone. Every field has a German accessible
// name and a mnemonic; Tab walks them in reading order.
class TWorksheetDialog : public TCountDialog {
    Q_OBJECT

public:
    explicit TWorksheetDialog(QWidget* parent = nullptr);

    // Shows count (as OK would build it) in the count field.
    void setCount(int count) override;
    // The first sheet that the fields describe; an odd count is read as the next even one.
    TSheet sheet() const;
    bool withSolution() const;
    // What "Drucken…" and "Als PDF speichern…" give: the sheet, or the class set, with the
    // solutions when "Lösung beilegen" is checked.
    TSheetSet sheetSet() const;

    // Writes the pages to fileName; false when it cannot be written.
    bool savePdf(const QString& fileName) const;
    // "Nur Lösung als PDF speichern…": the solutions of the same sheets alone.
    bool saveSolutionPdf(const QString& fileName) const;
    void printOn(QPrinter& printer) const;

private:
    void drawNewVariant();
    void print();
    // Asks for a file name, proposing the set's own, and writes the set there.
    void saveAsPdf(const TSheetSet& set, const QString& caption);
    void showPreview();

    QComboBox* m_kind;
    QSpinBox* m_count;
    QSpinBox* m_variant;
    QCheckBox* m_solution;
    QCheckBox* m_classSet;
    QSpinBox* m_copies;
    QLabel* m_preview;
};
