// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QWidget>

#include "gray/diskLayout.h"
#include "gray/grayWindow.h"
#include "lesson/lessonSession.h"

class QLabel;
class QPushButton;
class QToolButton;
class TAnnouncer;
class TConstructionView;
class TLessonStatus;
class TSidePanels;
class TToolBar;
class TWordSelection;
class TGray;
class TPracticePanel;
class TFocusRing;
class TImageControl;
class TMemo;
class TReadHeadTool;
class TSpinEdit;
class TStringGrid;
class TTeachingTools;
class TWindowZoom;
class TZoomArea;

// The main window: the count field, the construction table, the listing of the kept code
// words, the code disk and the toolbar. Each OK click builds a new TGray in CurrentGray and
// shows it; the window is also the listing and disk image that the engine writes to.
//
// The controls stand on a zoomed content inside a scroll area (zoomArea()); at 100 % each has
// its designed place and size. Each OK hands the table to the lesson session (session()) and
// tells the tools by tableShown; they show what the session says: the toolbar (toolBar()), the
// word selection, save/print/copy (teachingTools()), the read head, the construction and
// practice. The zoom, the start-up fit and the full screen are in windowZoom().
class TFormMain : public QWidget, public TGrayWindow {
    Q_OBJECT

public:
    // The client area that the controls are designed for at 100 %: the classic window's.
    static constexpr QSize kDesignedClient{1244, 795};
    // The disk's place at 100 %.
    static constexpr QRect kDiskPlace{520, 80, kDesignedDiskSize, kDesignedDiskSize};

    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    void appendListingLine(const std::string& text) override;
    TCanvas& diskImage() override;

    // Handlers, wired to the controls below.
    void FormCreate();
    // Shows AboutBox (when there is one), modeless.
    void SpeedButtonInfoClick();
    void SpeedButtonHilfeClick();
    void SpeedButtonBeendenClick();
    void BitBtnClick();

    QLabel* LabelAnzahl;
    TSpinEdit* SpinEdit;
    QLabel* LabelMemo;
    TStringGrid* StringGrid;
    TMemo* Memo;
    QPushButton* BitBtn;
    TImageControl* ImageScheibe;
    QWidget* ToolBar;
    QToolButton* SpeedButtonInfo;
    QToolButton* SpeedButtonHilfe;
    QToolButton* SpeedButtonBeenden;

    // The lesson on the table shown: the selection, the panel open, the read head and the disk
    // shown, the construction and practice. The tools show what it says.
    TLessonSession& session() { return m_session; }
    const TShownDisk& shownDisk() const { return m_session.shownDisk(); }
    TToolBar& toolBar() { return *m_toolBar; }
    TTeachingTools& teachingTools() { return *m_tools; }
    TWordSelection& wordSelection() { return *m_wordSelection; }
    TReadHeadTool& readHead() { return *m_readHead; }
    TConstructionView& construction() { return *m_construction; }
    TPracticePanel& practice() { return *m_practice; }
    TWindowZoom& windowZoom() { return *m_zoom; }
    TZoomArea& zoomArea() { return *m_zoomArea; }

signals:
    // OK has built and shown gray (CurrentGray), which lives until the next tableShown; the
    // lesson tools take the new code from here.
    void tableShown(const TGray& gray);

protected:
    // Enter anywhere in the window activates the default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The toolbar with the three classic buttons, then the lesson's tools and their wiring.
    void createClassicButtons();
    void createLessonTools();
    void resetTable();
    void fillTable();

    TLessonSession m_session;
    TZoomArea* m_zoomArea;
    TFocusRing* m_focusRing;
    TToolBar* m_toolBar;
    TAnnouncer* m_announcer;
    TSidePanels* m_sidePanels;
    TWordSelection* m_wordSelection;
    TLessonStatus* m_status;
    TTeachingTools* m_tools;
    TReadHeadTool* m_readHead;
    TConstructionView* m_construction;
    TPracticePanel* m_practice;
    TWindowZoom* m_zoom;
};

// The application-wide name of the help file, set when the main window is created.
QString applicationHelpFile();
