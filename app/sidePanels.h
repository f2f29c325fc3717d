// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

class QAction;
class QWidget;
class TZoomArea;

// The panels that lesson tools show beside the disk, one at a time: each belongs to a checkable
// action, checking one unchecks the others, and the window's content grows by the shown
// panel's width while it is shown.
class TSidePanels : public QObject {
    Q_OBJECT

public:
    // Where a panel stands at 100 %: beside the disk, as high as the disk.
    static constexpr int kLeft = 1232;
    static constexpr int kTop = 80;
    static constexpr int kHeight = 700;

    explicit TSidePanels(TZoomArea& zoom);

    // Places panel beside the disk, width wide, hidden until action is checked.
    void add(QAction* action, QWidget* panel, int width);

private:
    void toggled(QAction* action, bool shown);

    struct TPanel {
        QAction* action;
        QWidget* panel;
        int width;
    };
    TZoomArea& m_zoom;
    QSize m_designedWithoutPanel;
    std::vector<TPanel> m_panels;
};
