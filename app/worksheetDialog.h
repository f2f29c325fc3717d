// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/countDialogTool.h"
#include "lesson/worksheet.h"

class QCheckBox;
class QComboBox;
class QPrinter;
class QSpinBox;

// The worksheets on paper: each page A4 portrait at true size, 0.1 mm of the engine being
// 0.1 mm on the paper whatever the printer's resolution and margins; the sheet on the first
// page and, with withSolution, its solution on the second.
void printSheets(QPrinter& printer, const TSheet& sheet, bool withSolution);
// The same pages as a PDF file; false when the file cannot be written.
bool writeSheetPdf(const QString& fileName, const TSheet& sheet, bool withSolution);

// "Arbeitsblatt": the kind, the count, the variant with "Neue Variante" and "Lösung beilegen",
// and the buttons that print the sheet or save it as a PDF. Every field has a German accessible
// name and a mnemonic; Tab walks them in reading order.
class TWorksheetDialog : public TCountDialog {
    Q_OBJECT

public:
    explicit TWorksheetDialog(QWidget* parent = nullptr);

    // Shows count (as OK would build it) in the count field.
    void setCount(int count) override;
    // The sheet that the fields describe; an odd count is read as the next even one.
    TSheet sheet() const;
    bool withSolution() const;

    // Writes the pages to fileName; false when it cannot be written.
    bool savePdf(const QString& fileName) const;
    void printOn(QPrinter& printer) const;

private:
    void drawNewVariant();
    void print();
    void saveAsPdf();

    QComboBox* m_kind;
    QSpinBox* m_count;
    QSpinBox* m_variant;
    QCheckBox* m_solution;
};
