// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QWidget>
#include <array>
#include <optional>

#include "lesson/practiceRound.h"

class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TLessonSession;
class TImageControl;
class TAnnouncer;
struct TToolPlace;
class TZoomArea;

// A new seed for each round and bank, so that a class does not see the same tasks twice.
unsigned freshSeed();

// Practice with feedback. The toolbar action "Üben" (Strg+U) lays this panel over the table and
// the listing, which would give the answers away, and keeps the disk, on which it marks the
// sector that a task to read names. One task of a round of ten at a time: choices a) to d) to
// pick (also with the keys A to D) or a field to type in, "Prüfen", "Richtig!" or "Leider falsch
// – richtig ist 0110." with the way to the answer, "Weiter", and after the tenth the score with
// "Neue Runde" and "Falsche Aufgaben wiederholen"; "Aufgabenarten" chooses the kinds. Enter
// checks, then goes on, and the feedback is announced to screen readers. "Für Moodle speichern…"
// writes 20 tasks of the count as a Moodle XML question bank. What it asks and answers is the
// round's (TPracticeRound), which the browser page drives too.
class TPracticePanel : public QWidget {
    Q_OBJECT

public:
    // Adds the action at place and lays the panel over the table and listing, which are the
    // controls in covered; disk is the window's disk. The round and
    // whether practice is open are session's, which must outlive the panel.
    TPracticePanel(const TToolPlace& place, TImageControl& disk, const QList<QWidget*>& covered,
                   TLessonSession& session);

    QAction* action() const { return m_action; }
    // The session shows a new code, and with it a new round.
    void tableShown();
    const TPracticeRound& round() const { return m_round; }
    // Writes the question bank of 20 tasks about the table's count to fileName; shows why when
    // it cannot.
    void saveForMoodle(const QString& fileName);

signals:
    // Practice began or ended: the selection hides or shows again.
    void shownChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the panel, or the table and the listing again, as the session decided.
    void setShown();
    void confirm();
    void showTask();
    void markSector();
    void chooseFileForMoodle();

    TAnnouncer& m_announcer;
    TImageControl& m_disk;
    QList<QWidget*> m_covered;
    TLessonSession& m_session;
    TPracticeRound& m_round;
    QAction* m_action;
    QLabel* m_progress;
    QLabel* m_question;
    std::array<QRadioButton*, 4> m_choices{};
    QButtonGroup* m_choiceGroup;
    QLabel* m_answerLabel;
    QLineEdit* m_answer;
    QPushButton* m_button;
    QLabel* m_feedback;
    QLabel* m_explanation;
    QLabel* m_score;
    QPushButton* m_repeat;
};
