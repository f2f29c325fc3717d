#pragma once

#include <QWidget>

#include "gray/grayWindow.h"

class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QToolButton;
class TImageControl;
class TSpinEdit;
class TStringGrid;
class TWordSelection;

// The main window: the count field, the construction table, the listing of the kept code
// words, the code disk and the toolbar. Each OK click builds a new TGray in CurrentGray and
// shows it; the window is also the listing and disk image that the engine writes to.
class TFormMain : public QWidget, public TGrayWindow {
    Q_OBJECT

public:
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
    QPlainTextEdit* Memo;
    QPushButton* BitBtn;
    TImageControl* ImageScheibe;
    QWidget* ToolBar;
    QToolButton* SpeedButtonInfo;
    QToolButton* SpeedButtonHilfe;
    QToolButton* SpeedButtonBeenden;

    // Teaching tools beside the window of old: the toolbar buttons after the separator
    // (objects "saveDiskButton", "printButton", "copyTableButton") and the cycle check under the
    // listing ("cycleLabel").
    // Writes the shown disk to fileName: SVG for a name ending in ".svg", else PNG of
    // size x size pixels (the window's own picture at 700). False when nothing was written.
    bool saveDiskAs(const QString& fileName, int size);
    // Prints the worksheet of the shown table on printer.
    void printWorksheetOn(QPrinter& printer);
    // The construction table as tab-separated lines: the heading row and the full code's rows.
    QString tableText() const;
    TWordSelection& wordSelection() { return *m_wordSelection; }

protected:
    // Enter anywhere in the window activates the default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void resetTable();
    void fillTable();
    void createTeachingTools();
    void saveDisk();
    void printWorksheet();
    void copyTable();
    void showCycleCheck();

    QLabel* m_cycleLabel;
    QToolButton* m_saveDiskButton;
    QToolButton* m_printButton;
    QToolButton* m_copyTableButton;
    TWordSelection* m_wordSelection;
};

// The application-wide name of the help file, set when the main window is created.
QString applicationHelpFile();
