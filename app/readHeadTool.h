// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "lesson/readHeadPanel.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QSlider;
class QTimer;
class QWidget;
class TGray;
class TImageControl;
class TShownDisk;
class TAnnouncer;
struct TToolPlace;
class TZoomArea;

// Why a Gray code: a read head on the code disk, one sensor per ring along one radius. The
// toolbar action "Lesekopf" shows the head over the disk and a panel beside it with the word
// read, the sector's word and whether the reading is right. The mouse drags the head, Left and
// Right turn it by a fine step while the disk has the focus, and "Drehen" turns it once around.
// "Versatz" turns one chosen ring by up to half a sector, "Dualcode" shows the plain binary
// disk instead, and a line counts the misreads of one turn on both disks. The head is drawn on
// screen only; the disk's bitmap shows the chosen disk with the turned ring. What it decides is
// the model's (TShownDisk), which the browser page drives too; this class shows it.
class TReadHeadTool : public QObject {
    Q_OBJECT

public:
    // The fine step of Left and Right, and how long "Drehen" takes for one turn.
    static constexpr double kFineStepDegrees = kHeadFineStepDegrees;
    static constexpr int kTurnMilliseconds = kHeadTurnMilliseconds;
    static constexpr int kFrameMilliseconds = kHeadFrameMilliseconds;

    // Adds the action and the panel beside disk at place; model (the session's disk shown) must
    // outlive the tool.
    TReadHeadTool(const TToolPlace& place, TShownDisk& model, TImageControl& disk);

    QAction* action() const { return m_action; }
    // The session shows a new code: the controls fit it, and the disk is redrawn when the head
    // shows another than the plain Gray disk.
    void tableShown();
    // Draws the disk that is shown now on the disk's bitmap.
    void paintDisk();

    double headAngle() const;
    // Puts the head at degrees (taken modulo 360).
    void setHeadAngle(double degrees);
    // One frame of "Drehen": turns the head on by its share of the turn; the last frame ends
    // the turn exactly where it began and stops.
    void advanceTurn();
    bool turning() const;

signals:
    // The disk shown changed: the head was shown or hidden, or "Versatz" or "Dualcode" changed.
    void shownDiskChanged();

private:
    // Shows the head and its panel as the session decided.
    void setShown();
    void buildPanel(TZoomArea& zoom);
    void fitWordFont(double zoom);
    void startOrStopTurn();
    // The timer and the button follow the model's turn.
    void followTurn();
    // The ring choices and the slider's range for the bit and word count.
    void fitControls();
    // The count line after a change of disk or offset, then the disk and the reading.
    void settingsChanged();
    void showReading();
    void drawHead(QPainter& painter) const;

    TShownDisk& m_model;
    TAnnouncer& m_announcer;
    TImageControl& m_disk;
    QAction* m_action;
    QWidget* m_panel;
    QLabel* m_angleLabel;
    QLabel* m_readWord;
    QLabel* m_sectorWord;
    QLabel* m_verdict;
    QPushButton* m_turnButton;
    QComboBox* m_ring;
    QSlider* m_offset;
    QLabel* m_offsetValue;
    QCheckBox* m_binary;
    QLabel* m_log;
    QLabel* m_countLine;
    QLabel* m_decoding;
    QTimer* m_turnTimer;
};
