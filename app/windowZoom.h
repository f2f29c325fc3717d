// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

class QAction;
class QWidget;
class TZoomArea;

// The zoom of the main window: Ctrl+Plus, Ctrl+Minus and Ctrl+0 (and Ctrl with the wheel) step
// it between 50 % and 300 %, and F11 switches to a full-screen presentation zoomed to fill the
// screen, which F11 or Escape leaves again. Nothing is remembered: every start begins at 100 %.
class TWindowZoom : public QObject {
    Q_OBJECT

public:
    // The window's frame as a window manager typically adds it, until the real one is known.
    static constexpr QMargins kTypicalFrame{4, 30, 4, 4};
    static constexpr QPoint kDesignedPlace{192, 124};

    // The largest client area that window's screen holds with the window's frame around it
    // (QWIDGETSIZE_MAX wide and high without a screen).
    static QSize clientRoom(const QWidget& window);

    // Gives window the zoom actions' shortcuts; area holds the window's zoomed content.
    TWindowZoom(QWidget& window, TZoomArea& area);

    // Sizes and places the window for the start: at the designed place at 100 % when that fits
    // into available (a screen's area without taskbars), else with the zoom lowered until it
    // fits and the window moved inside the area.
    void fitInto(const QRect& available);
    // Steps the zoom up (+1) or down (-1), or back to 100 % (0).
    void step(int direction);
    void toggleFullScreen();

private:
    void setZoom(double zoom);
    // The window's size for its content at the current zoom, scroll bars not needed.
    void resizeToContent();
    // The full-screen zoom at which the content fills the screen.
    void fillScreen();

    QWidget& m_window;
    TZoomArea& m_area;
    QAction* m_leaveFullScreen;
    // The zoom to return to when the full-screen presentation ends.
    double m_normalZoom = 1.0;
    // The window's geometry (without its frame) to return to.
    QRect m_normalGeometry;
};
