// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstdint>

class QAction;
class QLabel;
class QPrinter;
class QToolButton;
class QWidget;
class TAnnouncer;
class TGray;
class TImageControl;
class TLessonSession;
class TMemo;
class TSidePanels;
class TStringGrid;
class TWordSelection;
class TZoomArea;

// The main window's controls that the teaching tools work on.
struct TLessonControls {
    QWidget& window;   // takes the actions' shortcuts and parents the dialogs
    QWidget& toolBar;  // where the buttons stand
    TMemo& listing;
    TStringGrid& table;
    TImageControl& disk;
};

// The main window's toolbar with its actions, and the teaching tools behind them: saving the
// disk, printing a worksheet, copying the table, the cycle check under the listing, the linked
// selection of a word and the status line that explains the selected word. The window merely
// holds it and connects its own handlers to the first three actions; what is selected and shown
// is the lesson session's.
class TTeachingTools : public QObject {
    Q_OBJECT

public:
    // The actions of the toolbar, in the order of their buttons.
    enum class TTool : std::uint8_t { Info, Help, Exit, SaveDisk, Print, CopyTable };

    // Builds the toolbar on controls' tool bar and the labels on the zoomed content; the window
    // takes every action's shortcut. controls and session must outlive the tools.
    TTeachingTools(const TLessonControls& controls, TZoomArea& zoom, TLessonSession& session);

    QAction* action(TTool tool) const { return m_actions[static_cast<std::size_t>(tool)]; }
    QToolButton* button(TTool tool) const { return m_buttons[static_cast<std::size_t>(tool)]; }
    // Appends a flat button for action after the last one of the toolbar; the window takes
    // the action's shortcut. Further lesson tools join the toolbar this way.
    QToolButton* addToolButton(QAction* action);
    // Appends a separator line after the last button.
    void addSeparator();

    // Shows what belongs to the table that the session shows now: the cycle check, which is also
    // announced to screen readers until the next table or until the focus moves on, the tools
    // that need a table, and no selection. gray must stay alive until the next call.
    void showTable(const TGray& gray);

    // Writes the shown disk to fileName: SVG for a name ending in ".svg", else PNG of
    // size x size pixels. False when nothing was written.
    bool saveDiskAs(const QString& fileName, int size);
    // Prints the worksheet of the shown table on printer.
    void printWorksheetOn(QPrinter& printer);
    // The construction table as tab-separated lines: the heading row and the full code's rows.
    QString tableText() const;
    TWordSelection& wordSelection() { return *m_wordSelection; }
    // The panels beside the disk, one shown at a time.
    TSidePanels& sidePanels() { return *m_sidePanels; }
    // Tells screen readers text, as the cycle check after OK is told.
    void announce(const QString& text);

private:
    QAction* newAction(TTool tool);
    void saveDisk();
    void printWorksheet();
    void copyTable();
    void describeDisk();

    TLessonControls m_controls;
    TLessonSession& m_session;
    TZoomArea& m_zoom;
    std::array<QAction*, 6> m_actions{};
    std::array<QToolButton*, 6> m_buttons{};
    int m_nextLeft = 0;
    QLabel* m_cycleLabel;
    QLabel* m_statusLine;
    TAnnouncer* m_announcer;
    TSidePanels* m_sidePanels;
    TWordSelection* m_wordSelection;
    const TGray* m_gray = nullptr;
};
