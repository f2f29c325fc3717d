#pragma once

#include <QWidget>

#include "gray/grayWindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class TImageControl;
class TSpinEdit;
class TStringGrid;

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

protected:
    // Enter anywhere in the window activates the default button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void resetTable();
    void fillTable();
};

// The application-wide name of the help file, set when the main window is created.
QString applicationHelpFile();
