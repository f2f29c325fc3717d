// The main window's teaching tools: the linked selection of a word, the cycle check under the
// listing, and taking the disk and the table out of the program.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

#include "app/GrayMain.h"
#include "app/diskExport.h"
#include "app/glyphs.h"
#include "app/imageControl.h"
#include "app/speedButton.h"
#include "app/stringGrid.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"
#include "lib/infoMessage.h"

namespace {

QToolButton* toolButton(QWidget* toolBar, int left, const QIcon& icon, const QString& hint,
                        const char* name) {
    QToolButton* button = speedButton(toolBar, left, icon, hint);
    button->setObjectName(QLatin1String(name));
    button->setEnabled(false);  // until there is a table
    return button;
}

}  // namespace

void TFormMain::createTeachingTools() {
    auto* separator = new QFrame(ToolBar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(71, 3, 4, 20);
    m_saveDiskButton =
        toolButton(ToolBar, 77, saveGlyph(), QStringLiteral("Scheibe speichern"), "saveDiskButton");
    m_printButton =
        toolButton(ToolBar, 100, printGlyph(), QStringLiteral("Drucken"), "printButton");
    m_copyTableButton = toolButton(ToolBar, 123, copyGlyph(), QStringLiteral("Tabelle kopieren"),
                                   "copyTableButton");
    connect(m_saveDiskButton, &QToolButton::clicked, this, &TFormMain::saveDisk);
    connect(m_printButton, &QToolButton::clicked, this, &TFormMain::printWorksheet);
    connect(m_copyTableButton, &QToolButton::clicked, this, &TFormMain::copyTable);

    // Under the listing and the disk, in the strip of the client area below them.
    m_cycleLabel = new QLabel(this);
    m_cycleLabel->setObjectName(QStringLiteral("cycleLabel"));
    m_cycleLabel->setGeometry(408, 780, 812, 14);

    m_wordSelection = new TWordSelection(*Memo, *StringGrid, *ImageScheibe, this);
}

void TFormMain::showCycleCheck() {
    const TCycleCheck check = checkCycle(keptWords(*CurrentGray));
    m_cycleLabel->setText(QString::fromStdString(check.text));
    m_cycleLabel->setStyleSheet(check.cyclic ? QString() : QStringLiteral("color: #c00000;"));
    for (QToolButton* button : {m_saveDiskButton, m_printButton, m_copyTableButton}) {
        button->setEnabled(true);
    }
}

bool TFormMain::saveDiskAs(const QString& fileName, int size) {
    if (!CurrentGray) return false;
    const QColor face = ImageScheibe->canvas().faceColor();
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return writeDiskSvg(*CurrentGray, fileName, face);
    }
    const QImage image = size == kWindowDiskSize ? ImageScheibe->picture()
                                                 : renderDiskImage(*CurrentGray, size, face);
    return image.save(fileName, "PNG");
}

void TFormMain::saveDisk() {
    QString filter;
    QString fileName = QFileDialog::getSaveFileName(
        this, QStringLiteral("Scheibe speichern"),
        QStringLiteral("codescheibe-%1.png").arg(CurrentGray->codeCount()),
        QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"), &filter);
    if (fileName.isEmpty()) return;
    const bool svg = filter.contains(QStringLiteral("svg")) ||
                     fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) fileName += suffix;
    int size = kWindowDiskSize;
    if (!svg) {
        bool ok = false;
        size = QInputDialog::getInt(this, QStringLiteral("Bildgröße"),
                                    QStringLiteral("Kantenlänge des Bildes in Pixeln:"),
                                    kWindowDiskSize, 100, kMaxDiskImageSize, 100, &ok);
        if (!ok) return;
    }
    if (!saveDiskAs(fileName, size)) {
        showInfoMessage(
            ("Die Datei " + fileName + " konnte nicht geschrieben werden").toStdString());
    }
}

void TFormMain::printWorksheetOn(QPrinter& printer) {
    if (CurrentGray) ::printWorksheet(*CurrentGray, printer, ImageScheibe->canvas().faceColor());
}

void TFormMain::printWorksheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) printWorksheetOn(printer);
}

QString TFormMain::tableText() const {
    QStringList lines;
    const int rows = CurrentGray ? CurrentGray->fullCount() : 0;
    for (int row = 0; row <= rows; ++row) {
        QStringList cells;
        for (int column = 0; column < StringGrid->columnCount(); ++column) {
            cells << StringGrid->cell(column, row);
        }
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

void TFormMain::copyTable() { QApplication::clipboard()->setText(tableText()); }
