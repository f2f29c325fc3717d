// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTableWidget>

// A grid of text cells addressed as cell(column, row). Row 0 is the fixed heading row and stays
// in view while the rows below scroll; column 0 is the fixed heading column. Cells are not
// editable.
class TStringGrid : public QTableWidget {
    Q_OBJECT

public:
    TStringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    // Scales the designed column width and row height by zoom.
    void setZoom(double zoom);

protected:
    // Ctrl with the wheel is left to the window, which zooms.
    void wheelEvent(QWheelEvent* event) override;

private:
    QTableWidgetItem* itemAt(int column, int row) const;
};
