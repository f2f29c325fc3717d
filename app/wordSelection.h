#pragma once

#include <QObject>
#include <optional>

class QPlainTextEdit;
class TImageControl;
class TStringGrid;

// One selected code word of CurrentGray, shown in three places at once: its line of the listing
// and its row of the table are highlighted, and the disk outlines its sector in red and marks
// the ring in which it differs from the next word of the cycle. A click on a listing line, a
// table row of a kept word or a disk sector selects; Up and Down in the listing move through
// the cycle; hovering over a sector explains it in a tooltip.
class TWordSelection : public QObject {
    Q_OBJECT

public:
    TWordSelection(QPlainTextEdit& listing, TStringGrid& table, TImageControl& disk,
                   QObject* parent = nullptr);

    // Selects the word at cycle position word (0-based); does nothing without a table.
    void select(int word);
    void clear();
    std::optional<int> selected() const { return m_selected; }

    // The tooltip for the sector at cycle position word.
    static QString sectorDescription(int word);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectTableRow(int tableRow);
    void markListing();
    void markTable();
    void markDisk();

    QPlainTextEdit& m_listing;
    // Compared by address only: filtered events may arrive while the listing is destroyed.
    QObject* m_listingViewport;
    TStringGrid& m_table;
    TImageControl& m_disk;
    std::optional<int> m_selected;
};
