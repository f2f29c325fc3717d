// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

#include "lesson/lessonSession.h"

class QAction;
class QWidget;
class TZoomArea;

// The panels that lesson tools show: each belongs to a checkable action and to a panel of the
// lesson session, which decides which one is open (one at a time); the actions follow it, so
// checking one unchecks the others. A panel beside the disk widens the window's content while
// it is shown; where the screen is too narrow for both at the window's zoom, the disk gives up
// the room, so that the toolbar, the count field and the whole disk stay in view and no text
// shrinks. A panel may also stand over other controls, which it then hides.
class TSidePanels : public QObject {
    Q_OBJECT

public:
    // Where a panel stands at 100 %: beside the disk, as high as the disk.
    static constexpr int kLeft = 1232;
    static constexpr int kTop = 80;
    static constexpr int kHeight = 700;

    // The disk smaller than which it never gets to make room for a panel, at 100 %.
    static constexpr int kSmallestDisk = 400;

    // session and disk, placed at diskPlace, must outlive the panels.
    TSidePanels(TZoomArea& zoom, TLessonSession& session, QWidget& disk, const QRect& diskPlace);

    // Places panel beside the disk, width wide, hidden until action is checked.
    void add(TLessonPanel lessonPanel, QAction* action, QWidget* panel, int width);
    // Places panel at designed over the controls there, hidden until action is checked.
    void addOver(TLessonPanel lessonPanel, QAction* action, QWidget* panel, const QRect& designed);

private:
    struct TPanel {
        TLessonPanel lessonPanel;
        QAction* action;
        QWidget* panel;
        QRect designed;  // its place at 100 %
        int growth;      // how much wider the content is while it is shown
    };

    void toggled(QAction* action, bool shown);
    // Places the disk and the open panel beside it, and sizes the content for them.
    void arrange();
    // The content's width at 100 % that the window's screen holds at the current zoom.
    int roomOnScreen() const;

    TZoomArea& m_zoom;
    TLessonSession& m_session;
    QWidget& m_disk;
    QRect m_diskPlace;
    QSize m_designedWithoutPanel;
    std::vector<TPanel> m_panels;
};
