// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QObject>
#include <optional>

#include "lesson/worksheet.h"

class QAction;
class QCheckBox;
class QComboBox;
class QPrinter;
class QSpinBox;
class TGray;
class TSpinEdit;
class TToolBar;

// The worksheets on paper: each page A4 portrait at true size, 0.1 mm of the engine being
// 0.1 mm on the paper whatever the printer's resolution and margins; the sheet on the first
// page and, with withSolution, its solution on the second.
void printSheets(QPrinter& printer, const TSheet& sheet, bool withSolution);
// The same pages as a PDF file; false when the file cannot be written.
bool writeSheetPdf(const QString& fileName, const TSheet& sheet, bool withSolution);

// "Arbeitsblatt": the kind, the count, the variant with "Neue Variante" and "Lösung beilegen",
// and the buttons that print the sheet or save it as a PDF. Every field has a German accessible
// name and a mnemonic; Tab walks them in reading order.
class TWorksheetDialog : public QDialog {
    Q_OBJECT

public:
    explicit TWorksheetDialog(QWidget* parent = nullptr);

    // Shows count (as OK would build it) in the count field.
    void setCount(int count);
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

// The toolbar action "Arbeitsblatt" (Strg+Umschalt+P), after the buttons added before it. It
// opens the dialog with the count of the window's table, or of its count field before the
// first table.
class TWorksheetTool : public QObject {
    Q_OBJECT

public:
    // The dialog's parent is window; before the first table it takes countField's count.
    TWorksheetTool(QWidget& window, TSpinEdit& countField, TToolBar& toolBar);

    QAction* action() const { return m_action; }
    // The dialog, once it has been opened.
    TWorksheetDialog* dialog() const { return m_dialog; }
    void open();
    // The table shown, whose count the dialog takes from now on.
    void tableShown(const TGray& gray);

private:
    QWidget& m_window;
    TSpinEdit& m_countField;
    // The count of the table shown, once there is one.
    std::optional<int> m_shownCount;
    QAction* m_action;
    TWorksheetDialog* m_dialog = nullptr;
};
