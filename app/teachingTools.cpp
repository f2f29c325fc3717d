// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/teachingTools.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "app/diskExport.h"
#include "app/lessonActions.h"
#include "app/platform/announcer.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/speedButton.h"
#include "app/platform/stringGrid.h"
#include "app/platform/zoomArea.h"
#include "app/sidePanels.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "gray/diskLayout.h"
#include "gray/grayTable.h"
#include "lib/infoMessage.h"

namespace {

// Designed sizes on the toolbar: buttons 23 x 22 at top 2, a separator of 6 between groups.
constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kGlyphSize = 16;
constexpr int kSeparatorWidth = 6;

}  // namespace

TTeachingTools::TTeachingTools(const TLessonControls& controls, TZoomArea& zoom,
                               TLessonSession& session)
    : QObject(&controls.window), m_controls(controls), m_session(session), m_zoom(zoom) {
    addToolButton(newAction(TTool::Info));
    addToolButton(newAction(TTool::Help));
    addToolButton(newAction(TTool::Exit));
    addSeparator();
    addToolButton(newAction(TTool::SaveDisk));
    addToolButton(newAction(TTool::Print));
    addToolButton(newAction(TTool::CopyTable));
    for (TTool tool : {TTool::SaveDisk, TTool::Print, TTool::CopyTable}) {
        action(tool)->setEnabled(false);  // until there is a table
    }
    button(TTool::SaveDisk)->setObjectName(QStringLiteral("saveDiskButton"));
    button(TTool::Print)->setObjectName(QStringLiteral("printButton"));
    button(TTool::CopyTable)->setObjectName(QStringLiteral("copyTableButton"));
    connect(action(TTool::SaveDisk), &QAction::triggered, this, &TTeachingTools::saveDisk);
    connect(action(TTool::Print), &QAction::triggered, this, &TTeachingTools::printWorksheet);
    connect(action(TTool::CopyTable), &QAction::triggered, this, &TTeachingTools::copyTable);

    // The cycle check under the listing and the disk; the selected word's explanation above the
    // disk, in up to two lines, so that both fit the classic window.
    m_cycleLabel = new QLabel(zoom.content());
    m_cycleLabel->setObjectName(QStringLiteral("cycleLabel"));
    zoom.place(m_cycleLabel, {408, 780, 812, 14});
    m_statusLine = new QLabel(zoom.content());
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setAccessibleName(QStringLiteral("Erklärung des gewählten Worts"));
    m_statusLine->setWordWrap(true);
    m_statusLine->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    zoom.place(m_statusLine, {520, 44, kDesignedDiskSize, 32});
    m_announcer = new TAnnouncer(controls.window);
    m_sidePanels = new TSidePanels(zoom, session);
    m_wordSelection =
        new TWordSelection(controls.listing, controls.table, controls.disk, session, this);
    connect(m_wordSelection, &TWordSelection::described, this, [this](const QString& text) {
        // One line: the explanation's lines side by side.
        m_statusLine->setText(QString(text).replace('\n', QStringLiteral("  ·  ")));
        describeDisk();
    });
    connect(&zoom, &TZoomArea::zoomChanged, this, [this](double factor) {
        const int side = static_cast<int>(std::lround(kGlyphSize * factor));
        for (QToolButton* shown : m_controls.toolBar.findChildren<QToolButton*>()) {
            shown->setIconSize(QSize(side, side));
        }
    });
}

QAction* TTeachingTools::newAction(TTool tool) {
    static const std::array<QIcon (*)(), 6> kGlyphs = {infoGlyph, helpGlyph,  exitGlyph,
                                                       saveGlyph, printGlyph, copyGlyph};
    const auto index = static_cast<std::size_t>(tool);
    QAction* made = createAction(static_cast<TActionId>(index), kGlyphs[index](), this);
    m_actions[index] = made;
    return made;
}

QToolButton* TTeachingTools::addToolButton(QAction* action) {
    m_controls.window.addAction(action);
    // The three classic buttons keep their hints exactly; the added ones name their shortcut.
    const bool named = !action->data().isValid() ||
                       lessonAction(static_cast<TActionId>(action->data().toInt())).keyInTooltip;
    QToolButton* added = speedButton(&m_controls.toolBar, action,
                                     named ? TShortcutInTooltip::Yes : TShortcutInTooltip::No);
    added->setIconSize(QSize(kGlyphSize, kGlyphSize));
    m_zoom.place(added, {m_nextLeft, 2, kButtonWidth, kButtonHeight});
    m_nextLeft += kButtonWidth;
    const auto known = std::find(m_actions.begin(), m_actions.end(), action);
    if (known != m_actions.end())
        m_buttons[static_cast<std::size_t>(known - m_actions.begin())] = added;
    return added;
}

void TTeachingTools::addSeparator() {
    auto* separator = new QFrame(&m_controls.toolBar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    m_zoom.place(separator, {m_nextLeft + 2, 3, 4, 20});
    m_nextLeft += kSeparatorWidth;
}

void TTeachingTools::showTable(const TGray& gray) {
    m_gray = &gray;
    m_wordSelection->tableShown();
    const TCycleCheck& check = m_session.cycleCheck();
    const QString result = QString::fromStdString(check.text);
    m_cycleLabel->setText(result);
    m_cycleLabel->setStyleSheet(check.cyclic ? QString() : QStringLiteral("color: #c00000;"));
    for (TTool tool : {TTool::SaveDisk, TTool::Print, TTool::CopyTable}) {
        action(tool)->setEnabled(true);
    }
    announce(result);
}

void TTeachingTools::announce(const QString& text) { m_announcer->announce(text); }

void TTeachingTools::describeDisk() {
    if (m_gray == nullptr) return;
    m_controls.disk.setAccessibleDescription(QString::fromStdString(m_session.diskDescription()));
}

bool TTeachingTools::saveDiskAs(const QString& fileName, int size) {
    if (m_gray == nullptr) return false;
    // The disk's design, whatever the zoom and the screen's pixel ratio in the window.
    const QColor face = m_controls.disk.canvas().faceColor();
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return writeDiskSvg(m_session.shownDisk(), *m_gray, fileName, face);
    }
    return renderDiskImage(m_session.shownDisk(), size, face).save(fileName, "PNG");
}

void TTeachingTools::saveDisk() {
    QString filter;
    QString fileName = QFileDialog::getSaveFileName(
        &m_controls.window, QStringLiteral("Scheibe speichern"),
        QStringLiteral("codescheibe-%1.png").arg(m_gray->codeCount()),
        QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)"), &filter);
    if (fileName.isEmpty()) return;
    const bool svg = filter.contains(QStringLiteral("svg")) ||
                     fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QString suffix = svg ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!fileName.endsWith(suffix, Qt::CaseInsensitive)) fileName += suffix;
    int size = kDesignedDiskSize;
    if (!svg) {
        bool ok = false;
        size = QInputDialog::getInt(&m_controls.window, QStringLiteral("Bildgröße"),
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
    if (m_gray != nullptr) {
        ::printWorksheet(*m_gray, printer, m_controls.disk.canvas().faceColor());
    }
}

void TTeachingTools::printWorksheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, &m_controls.window);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() == QDialog::Accepted) printWorksheetOn(printer);
}

QString TTeachingTools::tableText() const {
    return m_gray != nullptr ? QString::fromStdString(::tableText(m_gray->cycle())) : QString();
}

void TTeachingTools::copyTable() { QApplication::clipboard()->setText(tableText()); }
