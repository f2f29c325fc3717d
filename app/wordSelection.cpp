// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wordSelection.h"

#include <QTextBlock>
#include <QToolTip>

#include "app/diskGeometry.h"
#include "app/platform/imageControl.h"
#include "app/platform/memo.h"
#include "app/platform/stringGrid.h"
#include "gray/grayCycle.h"
#include "lesson/lessonSession.h"

TWordSelection::TWordSelection(TMemo& listing, TStringGrid& table, TImageControl& disk,
                               TLessonSession& session, QObject* parent)
    : QObject(parent), m_listing(listing), m_table(table), m_disk(disk), m_session(session) {
    m_disk.setMouseTracking(true);
    connect(&m_listing, &TMemo::lineClicked, this, &TWordSelection::select);
    connect(&m_listing, &TMemo::lineStepped, this, &TWordSelection::step);
    connect(&m_table, &QTableWidget::cellClicked, this,
            [this](int row, int) { selectTableRow(row); });
    // The current row follows the keyboard; a row reached that way selects as a click does,
    // once the table has finished its own selection for the key.
    connect(
        &m_table, &QTableWidget::currentCellChanged, this,
        [this](int row, int) { selectTableRow(row); }, Qt::QueuedConnection);
    connect(&m_disk, &TImageControl::sectorClicked, this, &TWordSelection::select);
    connect(&m_disk, &TImageControl::sectorStepped, this, &TWordSelection::step);
    connect(&m_disk, &TImageControl::sectorHovered, this,
            [this](std::optional<int> sector, QPoint globalPos) {
                if (sector && m_session.cycle() != nullptr && !m_session.practising()) {
                    QToolTip::showText(
                        globalPos,
                        QString::fromStdString(m_session.shownDisk().sectorDescription(*sector)),
                        &m_disk);
                } else {
                    QToolTip::hideText();
                }
            });
}

void TWordSelection::tableShown() {
    const TGrayCycle* cycle = m_session.cycle();
    m_listing.setLineStepping(cycle != nullptr);  // Up and Down then walk the cycle
    if (cycle == nullptr) {
        m_disk.setSectorLookup({});
    } else {
        const int bits = cycle->bitCount();
        const int sectors = cycle->codeCount();
        m_disk.setSectorLookup([this, bits, sectors](QPointF point) {
            return TDiskGeometry(m_disk.width(), bits, sectors).sectorAt(point);
        });
    }
    refresh();
}

std::optional<int> TWordSelection::selected() const { return m_session.selected(); }

void TWordSelection::clear() {
    m_session.clearSelection();
    refresh();
}

void TWordSelection::select(int word) {
    if (m_session.select(word)) refresh();
}

void TWordSelection::step(int step) {
    m_session.step(step);
    refresh();
}

void TWordSelection::selectTableRow(int tableRow) {
    // Table row r holds index r of the full code; dropped words have no place in the cycle.
    if (m_session.selectTableRow(tableRow)) {
        refresh();
    } else if (!m_session.practising()) {
        m_table.clearSelection();
    }
}

void TWordSelection::refresh() {
    const std::optional<int> word = m_session.practising() ? std::nullopt : m_session.selected();
    if (!word) {
        clearMarks();
    } else {
        markListing(*word);
        markTable(*word);
        m_disk.setOverlay(this, markOverlay(*m_session.mark(m_disk.width())));
    }
    emit described(word ? QString::fromStdString(m_session.shownDisk().sectorDescription(*word))
                        : QString());
}

void TWordSelection::clearMarks() {
    m_listing.setExtraSelections({});
    m_table.clearSelection();
    m_disk.setOverlay(this, {});
}

void TWordSelection::markListing(int word) {
    QTextEdit::ExtraSelection line;
    line.cursor = QTextCursor(m_listing.document()->findBlockByNumber(word));
    line.format.setBackground(m_listing.palette().highlight());
    line.format.setForeground(m_listing.palette().highlightedText());
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    m_listing.setExtraSelections({line});
    m_listing.setTextCursor(line.cursor);
    m_listing.ensureCursorVisible();
}

void TWordSelection::markTable(int word) {
    const int row = m_session.cycle()->indexOf(word);
    const QSignalBlocker quiet(m_table);  // the current row moves with the selection
    m_table.setCurrentCell(row, 1, QItemSelectionModel::NoUpdate);
    m_table.clearSelection();
    m_table.setRangeSelected(QTableWidgetSelectionRange(row, 1, row, m_table.columnCount() - 1),
                             true);
    m_table.scrollToItem(m_table.item(row, 1));
}
