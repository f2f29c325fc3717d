// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "app/platform/announcer.h"
#include "app/platform/qtCanvas.h"
#include "app/platform/saveDialog.h"
#include "gray/codeCount.h"
#include "gray/grayTable.h"
#include "lib/infoMessage.h"

namespace {

constexpr std::array kKinds = {TSheetKind::FillDisk, TSheetKind::FillTable, TSheetKind::ReadDisk};

// The PDF's resolution: fine enough that a rounded device pixel costs no visible accuracy.
constexpr int kPdfDotsPerInch = 1200;

QPageLayout a4WithoutMargins() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

// Paints the pages on device, whose painter's origin is the paper's top-left corner and which
// has dotsPerInch device pixels to the inch; false when the device cannot be painted on.
bool paintPages(QPagedPaintDevice& device, int dotsPerInch, const TSheet& sheet,
                bool withSolution) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    // The engine's unit is 0.1 mm, 254 of them to the inch.
    painter.scale(dotsPerInch / 254.0, dotsPerInch / 254.0);
    for (const bool solution : {false, true}) {
        if (solution && !withSolution) break;
        if (solution) device.newPage();
        TPainterCanvas canvas(painter, kSheetWidth, kSheetHeight, Qt::white, kSheetUnitsPerPoint);
        paintSheet(canvas, TSheet{sheet.kind, sheet.n, sheet.variant, solution});
    }
    return painter.end();
}

}  // namespace

void printSheets(QPrinter& printer, const TSheet& sheet, bool withSolution) {
    // The whole paper is the page, so that the engine's margins are the paper's.
    printer.setFullPage(true);
    printer.setPageLayout(a4WithoutMargins());
    printer.setDocName(QString::fromStdString(sheetTitle(sheet)));
    paintPages(printer, printer.resolution(), sheet, withSolution);
}

bool writeSheetPdf(const QString& fileName, const TSheet& sheet, bool withSolution) {
    QPdfWriter pdf(fileName);
    pdf.setPageLayout(a4WithoutMargins());
    pdf.setResolution(kPdfDotsPerInch);
    pdf.setTitle(QString::fromStdString(sheetTitle(sheet)));
    pdf.setCreator(QStringLiteral("Zyklora"));
    return paintPages(pdf, kPdfDotsPerInch, sheet, withSolution);
}

TWorksheetDialog::TWorksheetDialog(QWidget* parent) : TCountDialog(parent) {
    setObjectName(QStringLiteral("worksheetDialog"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));

    // Each field named for screen readers as its label reads, without the colon.
    auto* form = new QFormLayout;
    const auto addRow = [&](const QString& label, QWidget* field) {
        auto* shown = new QLabel(label, this);
        shown->setBuddy(field);
        field->setAccessibleName(QString(label).remove('&').remove(':'));
        form->addRow(shown, field);
    };
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("sheetKind"));
    for (const TSheetKind kind : kKinds) {
        m_kind->addItem(QString::fromStdString(sheetKindName(kind)));
    }
    addRow(QStringLiteral("&Art:"), m_kind);

    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("sheetCount"));
    m_count->setRange(TCodeCount::kMin, TCodeCount::kMax);
    m_count->setSingleStep(2);
    // A typed odd count becomes the even one that a sheet is drawn for.
    connect(m_count, &QSpinBox::editingFinished, this,
            [this] { m_count->setValue(shownCount(m_count->value())); });
    addRow(QStringLiteral("&Codeanzahl:"), m_count);

    auto* variantRow = new QWidget(this);
    auto* variantLayout = new QHBoxLayout(variantRow);
    variantLayout->setContentsMargins(0, 0, 0, 0);
    m_variant = new QSpinBox(variantRow);
    m_variant->setObjectName(QStringLiteral("sheetVariant"));
    m_variant->setRange(static_cast<int>(kMinSheetVariant), static_cast<int>(kMaxSheetVariant));
    m_variant->setValue(static_cast<int>(kMinSheetVariant));
    auto* newVariant = new QPushButton(QStringLiteral("&Neue Variante"), variantRow);
    newVariant->setObjectName(QStringLiteral("newVariant"));
    newVariant->setAccessibleName(QStringLiteral("Neue Variante"));
    newVariant->setAutoDefault(false);
    connect(newVariant, &QPushButton::clicked, this, &TWorksheetDialog::drawNewVariant);
    variantLayout->addWidget(m_variant, 1);
    variantLayout->addWidget(newVariant);
    auto* variantLabel = new QLabel(QStringLiteral("&Variante:"), this);
    variantLabel->setBuddy(m_variant);
    m_variant->setAccessibleName(QStringLiteral("Variante"));
    form->addRow(variantLabel, variantRow);

    m_solution = new QCheckBox(QStringLiteral("&Lösung beilegen"), this);
    m_solution->setObjectName(QStringLiteral("sheetSolution"));
    m_solution->setAccessibleName(QStringLiteral("Lösung beilegen"));
    form->addRow(QString(), m_solution);

    auto* buttons = new QDialogButtonBox(this);
    const auto addButton = [&](const QString& text, const char* name,
                               QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(text, role);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleName(QString(text).remove('&'));
        button->setAutoDefault(false);
        return button;
    };
    connect(addButton(QStringLiteral("&Drucken…"), "sheetPrint", QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &TWorksheetDialog::print);
    connect(
        addButton(QStringLiteral("Als &PDF speichern…"), "sheetPdf", QDialogButtonBox::ActionRole),
        &QPushButton::clicked, this, &TWorksheetDialog::saveAsPdf);
    connect(addButton(QStringLiteral("Schließen"), "sheetClose", QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TWorksheetDialog::setCount(int count) { m_count->setValue(shownCount(count)); }

TSheet TWorksheetDialog::sheet() const {
    return TSheet{kKinds[static_cast<std::size_t>(std::max(0, m_kind->currentIndex()))],
                  shownCount(m_count->value()), static_cast<unsigned>(m_variant->value()), false};
}

bool TWorksheetDialog::withSolution() const { return m_solution->isChecked(); }

bool TWorksheetDialog::savePdf(const QString& fileName) const {
    return writeSheetPdf(fileName, sheet(), withSolution());
}

void TWorksheetDialog::printOn(QPrinter& printer) const {
    printSheets(printer, sheet(), withSolution());
}

void TWorksheetDialog::drawNewVariant() {
    m_variant->setValue(static_cast<int>(newSheetVariant(
        static_cast<unsigned>(m_variant->value()), QRandomGenerator::global()->generate64())));
}

void TWorksheetDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4WithoutMargins());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

void TWorksheetDialog::saveAsPdf() {
    const QString fileName =
        askSaveFileName(this, QStringLiteral("Als PDF speichern"),
                        QString::fromStdString(sheetFileName(sheet(), "pdf")),
                        QStringLiteral("PDF-Dokument (*.pdf)"), QStringLiteral(".pdf"));
    if (fileName.isEmpty()) return;
    if (!savePdf(fileName)) {
        showInfoMessage(
            ("Die Datei " + fileName + " konnte nicht geschrieben werden").toStdString());
    }
}
