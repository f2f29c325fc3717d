// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QPrinter;
class QWidget;
class TGray;
class TImageControl;
class TLessonSession;
class TToolBar;

// The toolbar's tools for the table shown: "Scheibe speichern" (the disk shown as PNG or SVG),
// "Drucken" (the table's disk with its words on paper) and "Tabelle kopieren". Their actions are
// disabled until the first table.
class TTeachingTools : public QObject {
    Q_OBJECT

public:
    // Adds the three actions to toolBar; dialogs open over window, the disk's face colour comes
    // from disk. All arguments must outlive the tools.
    TTeachingTools(TToolBar& toolBar, QWidget& window, TImageControl& disk,
                   const TLessonSession& session);

    // OK has shown gray, which must stay alive until the next call: the tools work on it.
    void showTable(const TGray& gray);

    // Writes the shown disk to fileName: SVG for a name ending in ".svg", else PNG of
    // size x size pixels. False when nothing was written.
    bool saveDiskAs(const QString& fileName, int size);
    // Prints the page of the shown table's disk on printer: its words and the filled disk at
    // true size with the check bar, on white.
    void printWorksheetOn(QPrinter& printer);
    // The construction table as tab-separated lines: the heading row and the full code's rows.
    QString tableText() const;

private:
    void saveDisk();
    void printWorksheet();
    void copyTable();

    TToolBar& m_toolBar;
    QWidget& m_window;
    TImageControl& m_disk;
    const TLessonSession& m_session;
    const TGray* m_gray = nullptr;
};
