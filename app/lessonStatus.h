// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QLabel;
class TAnnouncer;
class TImageControl;
class TLessonSession;
class TZoomArea;

// What the window says of the lesson in words: the cycle check under the listing and the disk
// (also told to screen readers), the selected word's explanation above the disk in up to two
// lines, and the disk's accessible description. The texts are the session's.
class TLessonStatus : public QObject {
    Q_OBJECT

public:
    // Places the two lines on zoom's content; all arguments must outlive the status.
    TLessonStatus(TZoomArea& zoom, TImageControl& disk, TAnnouncer& announcer,
                  const TLessonSession& session);

    // The session shows a new table: its cycle check.
    void tableShown();
    // The selection or the disk shown changed: the explanation and the description follow.
    void selectionChanged();

private:
    TImageControl& m_disk;
    TAnnouncer& m_announcer;
    const TLessonSession& m_session;
    QLabel* m_cycleLabel;
    QLabel* m_statusLine;
};
