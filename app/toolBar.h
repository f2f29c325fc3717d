// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>

#include "lesson/lessonSession.h"

class QAction;
class QIcon;
class QToolButton;
class QWidget;
class TAnnouncer;
class TSidePanels;
class TZoomArea;

// The main window's toolbar: flat buttons of 23 x 22 at 100 % from the left, in the order they
// are added, with separators between groups. The window takes every action's shortcut. The
// classic buttons keep their tooltips exactly; the added ones name their key.
class TToolBar : public QObject {
    Q_OBJECT

public:
    // bar is the window's plain toolbar widget on zoom's content; window takes the shortcuts.
    TToolBar(QWidget& window, QWidget& bar, TZoomArea& zoom);

    // The action of id from the lesson's action table, with glyph, and its button after the
    // last one.
    QAction* createAction(TActionId id, const QIcon& glyph);
    // Appends a separator line after the last button.
    void addSeparator();
    QAction* action(TActionId id) const { return m_actions[static_cast<std::size_t>(id)]; }
    QToolButton* button(TActionId id) const { return m_buttons[static_cast<std::size_t>(id)]; }

private:
    QWidget& m_window;
    QWidget& m_bar;
    TZoomArea& m_zoom;
    int m_nextLeft = 0;
    std::array<QAction*, std::tuple_size_v<std::decay_t<decltype(lessonActions())>>> m_actions{};
    std::array<QToolButton*, std::tuple_size_v<std::decay_t<decltype(lessonActions())>>>
        m_buttons{};
};

// Where a lesson tool of the window goes: its button on the toolbar, its panel on the zoomed
// content and among the side panels, and what it tells screen readers.
struct TToolPlace {
    TToolBar& toolBar;
    TSidePanels& panels;
    TAnnouncer& announcer;
    TZoomArea& zoom;
};
