#include "app/stringGrid.h"

#include <QHeaderView>

TStringGrid::TStringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableWidget(rowCount - 1, colCount, parent) {
    constexpr int kDefaultColWidth = 72;
    constexpr int kDefaultRowHeight = 16;

    verticalHeader()->hide();
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    horizontalHeader()->setMinimumSectionSize(kDefaultRowHeight);
    horizontalHeader()->setFixedHeight(kDefaultRowHeight + 1);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->setMinimumSectionSize(kDefaultRowHeight);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
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
