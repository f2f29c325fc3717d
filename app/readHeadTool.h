// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>
#include <string>
#include <vector>

#include "gray/readHead.h"
#include "gray/readHeadPanel.h"

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
class TTeachingTools;
class TZoomArea;

// Why a Gray code: a read head on the code disk, one sensor per ring along one radius. The
// toolbar action "Lesekopf" shows the head over the disk and a panel beside it with the word
// read, the sector's word and whether the reading is right. The mouse drags the head, Left and
// Right turn it by a fine step while the disk has the focus, and "Drehen" turns it once around.
// "Versatz" turns one chosen ring by up to half a sector, "Dualcode" shows the plain binary
// disk instead, and a line counts the misreads of one turn on both disks. The head is drawn on
// screen only; the disk's bitmap shows the chosen disk with the turned ring.
class TReadHeadTool : public QObject {
    Q_OBJECT

public:
    // The fine step of Left and Right, and how long "Drehen" takes for one turn.
    static constexpr double kFineStepDegrees = kHeadFineStepDegrees;
    static constexpr int kTurnMilliseconds = kHeadTurnMilliseconds;
    static constexpr int kFrameMilliseconds = kHeadFrameMilliseconds;

    // Adds the action to tools' toolbar and the panel to zoom's content beside disk.
    TReadHeadTool(TTeachingTools& tools, TZoomArea& zoom, TImageControl& disk);

    QAction* action() const { return m_action; }
    // Takes the words of a new table; redraws the disk when the head shows another than the
    // plain Gray disk.
    void setGray(TGray& gray);
    // Draws the disk that is shown now on the disk's bitmap.
    void paintDisk();

    double headAngle() const { return m_angle; }
    // Puts the head at degrees (taken modulo 360).
    void setHeadAngle(double degrees);
    // One frame of "Drehen": turns the head on by its share of the turn; the last frame ends
    // the turn exactly where it began and stops.
    void advanceTurn();
    bool turning() const;

private:
    void setShown(bool shown);
    void buildPanel(TZoomArea& zoom);
    void fitWordFont(double zoom);
    void startOrStopTurn();
    // The ring choices and the slider's range for the bit and word count.
    void fitControls();
    // The sweep and the count line after a change of disk or offset, then the reading.
    void settingsChanged();
    void showReading();
    const TSweepReading& readingUnderHead() const;
    void drawHead(QPainter& painter) const;
    const std::vector<std::string>& shownWords() const;
    std::vector<double> offsets() const;
    bool showsPlainDisk() const;

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
    QLabel* m_countLine;
    QTimer* m_turnTimer;
    TZoomArea& m_zoom;
    QSize m_designedWithoutPanel;

    std::vector<std::string> m_grayWords;
    std::vector<std::string> m_binaryWords;
    TSweep m_sweep{{}, 0};
    double m_angle = 0;
    // Where the running turn began, and its frames so far.
    double m_turnStart = 0;
    int m_turnFrame = 0;
};
