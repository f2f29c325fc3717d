// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/teachingTools.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

#include "app/diskExport.h"
#include "app/paperPages.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/saveDialog.h"
#include "app/toolBar.h"
#include "gray/GrayUnit.h"
#include "gray/diskLayout.h"
#include "gray/grayTable.h"
#include "io/textFile.h"
#include "lesson/lessonSession.h"
#include "lesson/worksheet.h"
#include "lib/infoMessage.h"

TTeachingTools::TTeachingTools(TToolBar& toolBar, QWidget& window, TImageControl& disk,
                               const TLessonSession& session)
    : QObject(&window), m_toolBar(toolBar), m_window(window), m_disk(disk), m_session(session) {
    const struct {
        TActionId id;
        QIcon (*glyph)();
        const char* buttonName;
        void (TTeachingTools::*work)();
    } tools[] = {
        {TActionId::SaveDisk, saveGlyph, "saveDiskButton", &TTeachingTools::saveDisk},
        {TActionId::Print, printGlyph, "printButton", &TTeachingTools::printWorksheet},
        {TActionId::CopyTable, copyGlyph, "copyTableButton", &TTeachingTools::copyTable},
    };
    for (const auto& tool : tools) {
        QAction* action = toolBar.createAction(tool.id, tool.glyph());
        action->setEnabled(false);  // until there is a table
        toolBar.button(tool.id)->setObjectName(QLatin1String(tool.buttonName));
        connect(action, &QAction::triggered, this, tool.work);
    }
}

void TTeachingTools::showTable(const TGray& gray) {
    m_gray = &gray;
    for (const TActionId id : {TActionId::SaveDisk, TActionId::Print, TActionId::CopyTable}) {
        m_toolBar.action(id)->setEnabled(true);
    }
}

bool TTeachingTools::saveDiskAs(const QString& fileName, int size) {
    if (m_gray == nullptr) return false;
    // The disk's design, whatever the zoom and the screen's pixel ratio in the window.
    const QColor face = m_disk.canvas().faceColor();
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return savedText(fileName.toStdString(), m_session.diskSvg()).empty();
    }
    return renderDiskImage(m_session.shownDisk(), size, face).save(fileName, "PNG");
}

void TTeachingTools::saveDisk() {
    QString filter;
    QString fileName =
        askSaveFileName(&m_window, QStringLiteral("Scheibe speichern"),
                        QString::fromStdString(codeDiskFileName(m_gray->cycle(), "png")),
                        QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"), QString(), &filter);
    if (fileName.isEmpty()) return;
    const bool svg = filter.contains(QStringLiteral("svg")) ||
                     fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) fileName += suffix;
    int size = kDesignedDiskSize;
    if (!svg) {
        bool ok = false;
        size = QInputDialog::getInt(&m_window, QStringLiteral("Bildgröße"),
                                    QStringLiteral("Kantenlänge des Bildes in Pixeln:"),
                                    kDesignedDiskSize, 100, kMaxDiskImageSize, 100, &ok);
        if (!ok) return;
    }
    if (!saveDiskAs(fileName, size)) {
        showInfoMessage(
            ("Die Datei " + fileName + " konnte nicht geschrieben werden").toStdString());
    }
}

void TTeachingTools::printWorksheetOn(QPrinter& printer) {
    if (m_gray == nullptr) return;
    const TGrayCycle& cycle = m_gray->cycle();
    printA4Pages(printer, QString::fromStdString(codeDiskFileName(cycle, "pdf")), 1,
                 [&cycle](TCanvas& canvas, int) { paintDiskPage(canvas, cycle); });
}

void TTeachingTools::printWorksheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(a4WithoutMargins());
    QPrintDialog dialog(&printer, &m_window);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) printWorksheetOn(printer);
}

QString TTeachingTools::tableText() const {
    return m_gray != nullptr ? QString::fromStdString(::tableText(m_gray->cycle())) : QString();
}

void TTeachingTools::copyTable() { QApplication::clipboard()->setText(tableText()); }
