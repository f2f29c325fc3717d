#include "app/wordSelection.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>

#include "app/diskGeometry.h"
#include "app/imageControl.h"
#include "app/stringGrid.h"
#include "gray/GrayUnit.h"
#include "gray/grayCycle.h"

namespace {

const QColor kMarkColor(220, 0, 0);

TDiskGeometry geometryOf(const TImageControl& disk) {
    return TDiskGeometry(disk.width(), CurrentGray->bitCount(), CurrentGray->codeCount());
}

QString wordAt(int word) {
    return QString::fromStdString(
        static_cast<const TString*>(CurrentGray->codes().elementAt(word))->text());
}

// The bit in which the word at position word differs from the next one of the cycle.
int changedBitAfter(int word) {
    const int next = (word + 1) % CurrentGray->codeCount();
    return singleChangedBit(wordAt(word).toStdString(), wordAt(next).toStdString()).value_or(0);
}

}  // namespace

TWordSelection::TWordSelection(QPlainTextEdit& listing, TStringGrid& table, TImageControl& disk,
                               QObject* parent)
    : QObject(parent),
      m_listing(listing),
      m_listingViewport(listing.viewport()),
      m_table(table),
      m_disk(disk) {
    m_listing.installEventFilter(this);
    m_listingViewport->installEventFilter(this);
    m_disk.installEventFilter(this);
    m_disk.setMouseTracking(true);
    connect(&m_table, &QTableWidget::cellClicked, this,
            [this](int row, int) { selectTableRow(row); });
}

void TWordSelection::select(int word) {
    if (!CurrentGray || word < 0 || word >= CurrentGray->codeCount()) return;
    m_selected = word;
    markListing();
    markTable();
    markDisk();
}

void TWordSelection::clear() {
    m_selected.reset();
    m_listing.setExtraSelections({});
    m_table.clearSelection();
    m_disk.setOverlay({});
}

void TWordSelection::selectTableRow(int tableRow) {
    // Table row r holds index r of the full code; dropped words have no place in the cycle.
    if (!CurrentGray) return;
    if (const auto word = wordOfFullIndex(*CurrentGray, tableRow)) {
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
    const int row = fullIndexOfWord(*CurrentGray, *m_selected);
    m_table.clearSelection();
    m_table.setRangeSelected(QTableWidgetSelectionRange(row, 1, row, m_table.columnCount() - 1),
                             true);
    m_table.scrollToItem(m_table.item(row, 1));
}

void TWordSelection::markDisk() {
    const TDiskGeometry geometry = geometryOf(m_disk);
    const int word = *m_selected;
    const auto [outer, inner] = geometry.boundaryInRing(word, changedBitAfter(word));
    const QPainterPath outline = geometry.sectorOutline(word);
    m_disk.setOverlay([outline, outer, inner](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kMarkColor, 3));
        painter.drawPath(outline);
        painter.setPen(QPen(kMarkColor, 9, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(outer, inner);
    });
}

QString TWordSelection::sectorDescription(int word) {
    const int count = CurrentGray->codeCount();
    const int next = (word + 1) % count;
    const int bit = changedBitAfter(word);
    const int bits = CurrentGray->bitCount();
    const QString ring = bit == 0          ? QStringLiteral("äußerer Ring")
                         : bit == bits - 1 ? QStringLiteral("innerer Ring")
                                           : QStringLiteral("Ring %1 von außen").arg(bit + 1);
    return QStringLiteral(
               "Wort %1 von %2: %3\nNummer %4 im vollständigen Code\n"
               "Zum nächsten Wort %5 ändert sich Bit %6 (%7)")
        .arg(word + 1)
        .arg(count)
        .arg(wordAt(word))
        .arg(fullIndexOfWord(*CurrentGray, word))
        .arg(wordAt(next))
        .arg(bit)
        .arg(ring);
}

bool TWordSelection::eventFilter(QObject* watched, QEvent* event) {
    if (!CurrentGray) return QObject::eventFilter(watched, event);
    const int count = CurrentGray->codeCount();
    if (watched == m_listingViewport && event->type() == QEvent::MouseButtonRelease) {
        const auto* click = static_cast<QMouseEvent*>(event);
        select(m_listing.cursorForPosition(click->position().toPoint()).blockNumber());
    } else if (watched == &m_listing && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            const int step = key == Qt::Key_Down ? 1 : count - 1;
            select(m_selected ? (*m_selected + step) % count : 0);
            return true;
        }
    } else if (watched == &m_disk && event->type() == QEvent::MouseButtonPress) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (const auto sector = geometryOf(m_disk).sectorAt(click->position())) select(*sector);
    } else if (watched == &m_disk && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto sector = geometryOf(m_disk).sectorAt(help->pos())) {
            QToolTip::showText(help->globalPos(), sectorDescription(*sector), &m_disk);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
