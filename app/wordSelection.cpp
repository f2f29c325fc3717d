// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wordSelection.h"

#include <QTextBlock>
#include <QToolTip>

#include "app/diskGeometry.h"
#include "app/platform/imageControl.h"
#include "app/platform/memo.h"
#include "app/platform/stringGrid.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "lesson/shownDisk.h"

TWordSelection::TWordSelection(TMemo& listing, TStringGrid& table, TImageControl& disk,
                               const TShownDisk& shownDisk, QObject* parent)
    : QObject(parent), m_listing(listing), m_table(table), m_disk(disk), m_shownDisk(shownDisk) {
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
                if (sector && m_gray != nullptr) {
                    QToolTip::showText(
                        globalPos, QString::fromStdString(m_shownDisk.sectorDescription(*sector)),
                        &m_disk);
                } else {
                    QToolTip::hideText();
                }
            });
}

void TWordSelection::setGray(const TGray* gray) {
    clear();
    m_gray = gray;
    m_listing.setLineStepping(m_gray != nullptr);  // Up and Down then walk the cycle
    if (m_gray == nullptr) {
        m_disk.setSectorLookup({});
        return;
    }
    const int bits = m_gray->bitCount();
    const int sectors = m_gray->codeCount();
    m_disk.setSectorLookup([this, bits, sectors](QPointF point) {
        return TDiskGeometry(m_disk.width(), bits, sectors).sectorAt(point);
    });
}

void TWordSelection::select(int word) {
    if (m_gray == nullptr || word < 0 || word >= m_gray->codeCount()) return;
    m_selected = word;
    markListing();
    markTable();
    markDisk();
    emit described(QString::fromStdString(m_shownDisk.sectorDescription(word)));
}

void TWordSelection::shownDiskChanged() {
    if (m_selected) select(*m_selected);
}

void TWordSelection::clear() {
    m_selected.reset();
    m_listing.setExtraSelections({});
    m_table.clearSelection();
    m_disk.setOverlay(this, {});
    emit described(QString());
}

void TWordSelection::step(int step) {
    if (m_gray == nullptr) return;
    select(steppedWord(m_selected, step, m_gray->codeCount()));
}

void TWordSelection::selectTableRow(int tableRow) {
    // Table row r holds index r of the full code; dropped words have no place in the cycle.
    if (m_gray == nullptr) return;
    if (const auto word = m_gray->cycle().positionOf(tableRow)) {
        select(*word);
    } else {
        m_table.clearSelection();
    }
}

void TWordSelection::markListing() {
    QTextEdit::ExtraSelection line;
    line.cursor = QTextCursor(m_listing.document()->findBlockByNumber(*m_selected));
    line.format.setBackground(m_listing.palette().highlight());
    line.format.setForeground(m_listing.palette().highlightedText());
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    m_listing.setExtraSelections({line});
    m_listing.setTextCursor(line.cursor);
    m_listing.ensureCursorVisible();
}

void TWordSelection::markTable() {
    const int row = m_gray->cycle().indexOf(*m_selected);
    const QSignalBlocker quiet(m_table);  // the current row moves with the selection
    m_table.setCurrentCell(row, 1, QItemSelectionModel::NoUpdate);
    m_table.clearSelection();
    m_table.setRangeSelected(QTableWidgetSelectionRange(row, 1, row, m_table.columnCount() - 1),
                             true);
    m_table.scrollToItem(m_table.item(row, 1));
}

void TWordSelection::markDisk() {
    m_disk.setOverlay(this, markOverlay(m_shownDisk.sectorMark(m_disk.width(), *m_selected)));
}
