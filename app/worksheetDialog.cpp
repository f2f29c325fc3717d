// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>

#include "app/paperPages.h"
#include "app/platform/announcer.h"
#include "app/platform/qtCanvas.h"
#include "app/platform/saveDialog.h"
#include "gray/codeCount.h"
#include "gray/grayTable.h"
#include "lib/infoMessage.h"

namespace {

constexpr std::array kKinds = {TSheetKind::FillDisk, TSheetKind::FillTable, TSheetKind::ReadDisk};

// The preview's width in pixels: small, but the page's layout shows.
constexpr int kPreviewWidth = 180;
constexpr int kDefaultCopies = 25;

// Paints page number page of the set on canvas.
TPagePainter setPainter(const TSheetSet& set) {
    return [pages = sheetSetPages(set)](TCanvas& canvas, int page) {
        paintSheet(canvas, pages[static_cast<std::size_t>(page)]);
    };
}

QString fileNameOf(const TSheetSet& set) {
    return QString::fromStdString(sheetSetFileName(set, "pdf"));
}

}  // namespace

void printSheets(QPrinter& printer, const TSheetSet& set) {
    printA4Pages(printer, fileNameOf(set), static_cast<int>(sheetSetPages(set).size()),
                 setPainter(set));
}

bool writeSheetPdf(const QString& fileName, const TSheetSet& set) {
    return writeA4Pdf(fileName, QString::fromStdString(sheetSetTitle(set)),
                      static_cast<int>(sheetSetPages(set).size()), setPainter(set));
}

TWorksheetDialog::TWorksheetDialog(QWidget* parent) : TCountDialog(parent) {
    setObjectName(QStringLiteral("worksheetDialog"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));

    auto* form = new QFormLayout;
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("sheetKind"));
    for (const TSheetKind kind : kKinds) {
        m_kind->addItem(QString::fromStdString(sheetKindName(kind)));
    }
    addLabelledRow(*form, QStringLiteral("&Art:"), m_kind);

    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("sheetCount"));
    m_count->setRange(TCodeCount::kMin, TCodeCount::kMax);
    m_count->setSingleStep(2);
    // A typed odd count becomes the even one that a sheet is drawn for.
    connect(m_count, &QSpinBox::editingFinished, this,
            [this] { m_count->setValue(shownCount(m_count->value())); });
    addLabelledRow(*form, QStringLiteral("&Codeanzahl:"), m_count);

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

    // "Klassensatz mit 25 Blättern": the count only while the class set is chosen.
    auto* classSetRow = new QWidget(this);
    auto* classSetLayout = new QHBoxLayout(classSetRow);
    classSetLayout->setContentsMargins(0, 0, 0, 0);
    m_classSet = new QCheckBox(QStringLiteral("&Klassensatz mit"), classSetRow);
    m_classSet->setObjectName(QStringLiteral("sheetClassSet"));
    m_classSet->setAccessibleName(QStringLiteral("Klassensatz"));
    m_copies = new QSpinBox(classSetRow);
    m_copies->setObjectName(QStringLiteral("sheetCopies"));
    m_copies->setRange(kMinClassSet, kMaxClassSet);
    m_copies->setValue(kDefaultCopies);
    m_copies->setAccessibleName(QStringLiteral("Blätter im Klassensatz"));
    m_copies->setEnabled(false);
    connect(m_classSet, &QCheckBox::toggled, m_copies, &QWidget::setEnabled);
    auto* copiesLabel = new QLabel(QStringLiteral("&Blättern"), classSetRow);
    copiesLabel->setBuddy(m_copies);
    classSetLayout->addWidget(m_classSet);
    classSetLayout->addWidget(m_copies);
    classSetLayout->addWidget(copiesLabel, 1);
    form->addRow(QString(), classSetRow);

    // The first page as the fields describe it, small.
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("sheetPreview"));
    m_preview->setAccessibleName(QStringLiteral("Vorschau der ersten Seite"));
    m_preview->setFrameShape(QFrame::Box);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &TWorksheetDialog::showPreview);
    connect(m_count, &QSpinBox::valueChanged, this, &TWorksheetDialog::showPreview);
    connect(m_variant, &QSpinBox::valueChanged, this, &TWorksheetDialog::showPreview);

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
        &QPushButton::clicked, this,
        [this] { saveAsPdf(sheetSet(), QStringLiteral("Als PDF speichern")); });
    connect(addButton(QStringLiteral("N&ur Lösung als PDF speichern…"), "sheetSolutionPdf",
                      QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, [this] {
                TSheetSet solutions = sheetSet();
                solutions.part = TSheetPart::Solutions;
                saveAsPdf(solutions, QStringLiteral("Nur Lösung als PDF speichern"));
            });
    connect(addButton(QStringLiteral("Schließen"), "sheetClose", QDialogButtonBox::RejectRole),
            &QPushButton::clicked, this, &QDialog::reject);

    auto* fieldsAndPreview = new QHBoxLayout;
    fieldsAndPreview->addLayout(form, 1);
    fieldsAndPreview->addWidget(m_preview, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fieldsAndPreview);
    layout->addWidget(buttons);
    showPreview();
}

void TWorksheetDialog::setCount(int count) { m_count->setValue(shownCount(count)); }

TSheet TWorksheetDialog::sheet() const {
    return TSheet{kKinds[static_cast<std::size_t>(std::max(0, m_kind->currentIndex()))],
                  shownCount(m_count->value()), static_cast<unsigned>(m_variant->value()), false};
}

bool TWorksheetDialog::withSolution() const { return m_solution->isChecked(); }

TSheetSet TWorksheetDialog::sheetSet() const {
    const TSheet first = sheet();
    return TSheetSet{first.kind, first.n, first.variant,
                     m_classSet->isChecked() ? m_copies->value() : 1,
                     withSolution() ? TSheetPart::SheetsAndSolutions : TSheetPart::Sheets};
}

bool TWorksheetDialog::savePdf(const QString& fileName) const {
    return writeSheetPdf(fileName, sheetSet());
}

bool TWorksheetDialog::saveSolutionPdf(const QString& fileName) const {
    TSheetSet solutions = sheetSet();
    solutions.part = TSheetPart::Solutions;
    return writeSheetPdf(fileName, solutions);
}

void TWorksheetDialog::printOn(QPrinter& printer) const { printSheets(printer, sheetSet()); }

void TWorksheetDialog::drawNewVariant() {
    m_variant->setValue(static_cast<int>(newSheetVariant(
        static_cast<unsigned>(m_variant->value()), QRandomGenerator::global()->generate64())));
}

void TWorksheetDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4WithoutMargins());
    // Named before the dialog, which proposes the name for printing to a file.
    printer.setDocName(fileNameOf(sheetSet()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) printOn(printer);
}

void TWorksheetDialog::saveAsPdf(const TSheetSet& set, const QString& caption) {
    const QString fileName =
        askSaveFileName(this, caption, fileNameOf(set), QStringLiteral("PDF-Dokument (*.pdf)"),
                        QStringLiteral(".pdf"));
    if (fileName.isEmpty()) return;
    if (!writeSheetPdf(fileName, set)) {
        showInfoMessage(
            ("Die Datei " + fileName + " konnte nicht geschrieben werden").toStdString());
    }
}

void TWorksheetDialog::showPreview() {
    const qreal ratio = devicePixelRatioF();
    const int width = kPreviewWidth;
    const int height = width * kSheetHeight / kSheetWidth;
    QImage page(QSize(width, height) * ratio, QImage::Format_RGB32);
    page.setDevicePixelRatio(ratio);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<double>(width) / kSheetWidth,
                  static_cast<double>(height) / kSheetHeight);
    TPainterCanvas canvas(painter, kSheetWidth, kSheetHeight, Qt::white, kSheetUnitsPerPoint);
    paintSheet(canvas, sheet());
    painter.end();
    m_preview->setPixmap(QPixmap::fromImage(page));
}
