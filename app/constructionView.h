// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "lesson/constructionPlayer.h"

class QAction;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TLessonSession;
class TImageControl;
class TAnnouncer;
struct TToolPlace;
class TZoomArea;

// How the code arises, step by step. The toolbar action "Konstruktion" (Strg+K) shows this
// panel beside the disk: the step's list as a small table, the rows the step adds or drops
// highlighted and a mirror step's prefix bit in a colour of its own; a small disk of that list
// with the marked block outlined; the step's text and "Schritt 3 von 6". "Zurück", "Weiter" and
// "Abspielen" step through, and so do Left, Right, Home, End and Space while the focus is in the
// panel; every step is announced to screen readers. Each OK starts it again at Start. What it
// shows is the player's (TConstructionPlayer), which the browser page drives too.
class TConstructionView : public QWidget {
    Q_OBJECT

public:
    // Adds the action and the panel beside the disk at place; the steps are session's
    // construction, and session must outlive the view.
    TConstructionView(const TToolPlace& place, TLessonSession& session);

    QAction* action() const { return m_action; }
    // The session shows a new code: its steps, from Start.
    void tableShown();
    const TConstructionPlayer& player() const { return m_player; }
    // One step of "Abspielen", as its timer takes it.
    void tick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setShown(bool shown);
    // A button or key of the panel.
    void act(TConstructionPlayer::TKey key);
    // Shows the player's step; told tells screen readers of it.
    void showStep(bool told);
    void fillTable();
    void paintStepDisk();
    void followPlaying();

    TAnnouncer& m_announcer;
    TLessonSession& m_session;
    TConstructionPlayer& m_player;
    QAction* m_action;
    QLabel* m_counter;
    QLabel* m_text;
    QPushButton* m_playButton;
    TImageControl* m_disk;
    QTableWidget* m_table;
    QTimer* m_timer;
};
