// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class TImageControl;
class TLessonSession;
class TMemo;
class TStringGrid;

// One selected code word of the table shown, in three places at once: its line of the listing
// and its row of the table are highlighted, and the disk outlines its sector in red and marks
// the ring in which it differs from the next word of the cycle. A click on a listing line, a
// table row of a kept word or a disk sector selects, and so does the keyboard: the table's
// current row, Up and Down in the listing and Left and Right on the disk move through the
// cycle. Hovering over a sector explains it in a tooltip. What is selected, and that nothing is
// while practising, is the lesson session's; this class forwards the views' clicks and keys to
// it and shows what it says. Mark, tooltip and explanation describe the disk shown: the binary
// disk under "Dualcode", the turned ring under "Versatz".
class TWordSelection : public QObject {
    Q_OBJECT

public:
    // The views and session must outlive the selection.
    TWordSelection(TMemo& listing, TStringGrid& table, TImageControl& disk, TLessonSession& session,
                   QObject* parent = nullptr);

    // The session shows a new table (or, before the first, none): no word is selected.
    void tableShown();
    // Selects the word at cycle position word (0-based), as the session allows.
    void select(int word);
    std::optional<int> selected() const;
    // Selects nothing.
    void clear();
    // Shows the session's selection again: after the disk shown changed, or practice began or
    // ended.
    void refresh();

signals:
    // The selection changed; description is the selected word's explanation, or empty.
    void described(const QString& description);

private:
    void step(int step);
    void selectTableRow(int tableRow);
    void clearMarks();
    void markListing(int word);
    void markTable(int word);

    TMemo& m_listing;
    TStringGrid& m_table;
    TImageControl& m_disk;
    TLessonSession& m_session;
};
