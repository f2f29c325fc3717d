// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/stringGrid.h"

#include <QHeaderView>
#include <QWheelEvent>
#include <cmath>

#include "app/platform/scrollBar.h"
#include "app/platform/zoomArea.h"

namespace {

constexpr int kDefaultColWidth = 72;
constexpr int kDefaultRowHeight = 16;

}  // namespace

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableWidget(rowCount - 1, colCount, parent) {
    setVerticalScrollBar(new TScrollBar(Qt::Vertical));
    setHorizontalScrollBar(new TScrollBar(Qt::Horizontal));
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    setZoom(1.0);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);

    const QBrush fixedBrush = palette().brush(QPalette::Button);
    for (int column = 0; column < colCount; ++column) {
        setHorizontalHeaderItem(column, new QTableWidgetItem());
        for (int row = 1; row < rowCount; ++row) {
            auto* item = new QTableWidgetItem();
            item->setFlags(column == 0 ? Qt::ItemIsEnabled
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == 0) item->setBackground(fixedBrush);
            setItem(row - 1, column, item);
        }
    }
}

QTableWidgetItem* TStringGrid::itemAt(int column, int row) const {
    return row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
}

QString TStringGrid::cell(int column, int row) const {
    const QTableWidgetItem* target = itemAt(column, row);
    return target == nullptr ? QString() : target->text();
}

void TStringGrid::setCell(int column, int row, const QString& text) {
    if (QTableWidgetItem* target = itemAt(column, row)) target->setText(text);
}

void TStringGrid::setZoom(double zoom) {
    const int width = static_cast<int>(std::lround(kDefaultColWidth * zoom));
    const int height = static_cast<int>(std::lround(kDefaultRowHeight * zoom));
    // The heading row does not take a changed font from the grid by itself.
    horizontalHeader()->setFont(font());
    horizontalHeader()->setMinimumSectionSize(height);
    horizontalHeader()->setDefaultSectionSize(width);
    horizontalHeader()->setFixedHeight(height + 1);
    verticalHeader()->setMinimumSectionSize(height);
    verticalHeader()->setDefaultSectionSize(height);
    for (int column = 0; column < columnCount(); ++column) setColumnWidth(column, width);
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
}

void TStringGrid::wheelEvent(QWheelEvent* event) {
    if (!leftToZoom(event)) QTableWidget::wheelEvent(event);
}
