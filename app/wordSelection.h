// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

class TGray;
class TImageControl;
class TShownDisk;
class TMemo;
class TStringGrid;

// One selected code word of the table shown, in three places at once: its line of the listing
// and its row of the table are highlighted, and the disk outlines its sector in red and marks
// the ring in which it differs from the next word of the cycle. A click on a listing line, a
// table row of a kept word or a disk sector selects, and so does the keyboard: the table's
// current row, Up and Down in the listing and Left and Right on the disk move through the
// cycle. Hovering over a sector explains it in a tooltip. Mark, tooltip and explanation describe
// the disk shown, as disk (the read head's model) says it: the binary disk under "Dualcode", the
// turned ring under "Versatz".
class TWordSelection : public QObject {
    Q_OBJECT

public:
    // disk must outlive the selection.
    TWordSelection(TMemo& listing, TStringGrid& table, TImageControl& disk,
                   const TShownDisk& shownDisk, QObject* parent = nullptr);

    // The table whose words are selected; it must stay alive until the next call. Clears the
    // selection. nullptr: no table.
    void setGray(const TGray* gray);
    // Selects the word at cycle position word (0-based); does nothing without a table.
    void select(int word);
    void clear();
    std::optional<int> selected() const { return m_selected; }
    // The disk shown changed: the mark and the explanation follow it.
    void shownDiskChanged();

signals:
    // The selection changed; description is the selected word's explanation, or empty.
    void described(const QString& description);

private:
    void step(int step);
    void selectTableRow(int tableRow);
    void markListing();
    void markTable();
    void markDisk();

    TMemo& m_listing;
    TStringGrid& m_table;
    TImageControl& m_disk;
    const TShownDisk& m_shownDisk;
    const TGray* m_gray = nullptr;
    std::optional<int> m_selected;
};
