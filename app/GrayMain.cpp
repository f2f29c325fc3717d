#include "app/GrayMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "app/UnitAbout.h"
#include "app/formFont.h"
#include "app/glyphs.h"
#include "app/imageControl.h"
#include "app/shell.h"
#include "app/speedButton.h"
#include "app/spinEdit.h"
#include "app/stringGrid.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "lib/infoMessage.h"

namespace {

constexpr char kHelpFileProperty[] = "helpFile";
constexpr int kMinCount = 4;
constexpr int kMaxCount = 64;
constexpr int kGridColumns = 5;
constexpr int kGridRows = 65;

QLabel* label(QWidget* parent, const QString& caption, int left, int top) {
    auto* result = new QLabel(caption, parent);
    result->move(left, top);
    result->adjustSize();  // labels size themselves to their caption
    return result;
}

}  // namespace

QString applicationHelpFile() { return qApp->property(kHelpFileProperty).toString(); }

TFormMain::TFormMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Zyklora"));
    // 1260 x 833 with the frame of a classic desktop; the controls need this client area.
    resize(1244, 795);
    move(192, 124);
    setFont(formFont());

    LabelAnzahl = label(this, QStringLiteral("Codeanzahl - gerade Zahl von 4 bis 64"), 8, 56);
    LabelMemo = label(this, QStringLiteral("Gray-Code"), 408, 120);

    ImageScheibe = new TImageControl(this);
    ImageScheibe->setGeometry(520, 80, 700, 700);

    SpinEdit = new TSpinEdit(this);
    SpinEdit->setGeometry(8, 77, 113, 22);
    SpinEdit->setRange(kMinCount, kMaxCount);
    SpinEdit->setIncrement(2);
    SpinEdit->setValue(10);

    Memo = new QPlainTextEdit(this);
    Memo->setGeometry(408, 136, 97, 641);
    Memo->setReadOnly(true);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo->setTabChangesFocus(true);

    BitBtn = new QPushButton(okGlyph(), QStringLiteral("OK"), this);
    BitBtn->setGeometry(296, 77, 97, 25);
    BitBtn->setDefault(true);

    // A plain widget, so that the buttons stand exactly where they belong.
    ToolBar = new QWidget(this);
    ToolBar->setGeometry(0, 0, 1244, 29);
    SpeedButtonInfo = speedButton(ToolBar, 0, infoGlyph(), QStringLiteral("Autor"));
    SpeedButtonHilfe = speedButton(ToolBar, 23, helpGlyph(), QStringLiteral("Erläuterung"));
    SpeedButtonBeenden = speedButton(ToolBar, 46, exitGlyph(), QStringLiteral("Programm beenden"));

    StringGrid = new TStringGrid(kGridColumns, kGridRows, this);
    StringGrid->setGeometry(8, 112, 385, 665);

    createTeachingTools();

    setTabOrder(SpinEdit, Memo);
    setTabOrder(Memo, BitBtn);
    setTabOrder(BitBtn, StringGrid);
    SpinEdit->setFocus();

    connect(BitBtn, &QPushButton::clicked, this, &TFormMain::BitBtnClick);
    connect(SpeedButtonInfo, &QToolButton::clicked, this, &TFormMain::SpeedButtonInfoClick);
    connect(SpeedButtonHilfe, &QToolButton::clicked, this, &TFormMain::SpeedButtonHilfeClick);
    connect(SpeedButtonBeenden, &QToolButton::clicked, this, &TFormMain::SpeedButtonBeendenClick);

    GrayWindow = this;
    FormCreate();
}

TFormMain::~TFormMain() {
    if (GrayWindow == this) GrayWindow = nullptr;
}

void TFormMain::FormCreate() {
    qApp->setProperty(kHelpFileProperty, QStringLiteral("zyklora.chm"));
    CurrentGray.reset();
}

void TFormMain::appendListingLine(const std::string& text) {
    Memo->appendPlainText(QString::fromStdString(text));
}

TCanvas& TFormMain::diskImage() { return ImageScheibe->canvas(); }

void TFormMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BitBtn->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormMain::BitBtnClick() {
    m_wordSelection->clear();
    resetTable();
    Memo->clear();
    CurrentGray.reset();

    const std::int32_t count = SpinEdit->value();
    if (count % 2 != 0) SpinEdit->setValue(std::int64_t{count} + 1);
    // The label promises 4 to 64: an even count typed beyond that is clamped and shown.
    SpinEdit->clampIntoRange();

    CurrentGray = std::make_unique<TGray>(SpinEdit->value());
    CurrentGray->generate();
    fillTable();
    CurrentGray->paintDisk();
    showCycleCheck();
    // A new table is read from its start.
    StringGrid->scrollToTop();
    Memo->moveCursor(QTextCursor::Start);
    Memo->verticalScrollBar()->setValue(0);
}

void TFormMain::resetTable() {
    const QString headings[kGridColumns] = {QStringLiteral("Nummer"), QStringLiteral("Dualzahl"),
                                            QStringLiteral("Rechts-Shift"), QStringLiteral("XOR"),
                                            QStringLiteral("Entfernen")};
    for (int column = 0; column < kGridColumns; ++column) {
        StringGrid->setCell(column, 0, headings[column]);
    }
    for (int column = 0; column < kGridColumns; ++column) {
        for (int row = 1; row < kGridRows; ++row) StringGrid->setCell(column, row, QString());
    }
}

void TFormMain::fillTable() {
    const TGray& gray = *CurrentGray;
    const auto binary = [&gray](std::int32_t value) {
        return QString::fromStdString(gray.dualString(value));
    };
    for (std::int32_t i = 0; i < gray.fullCount(); ++i) {
        const int row = i + 1;
        StringGrid->setCell(0, row, QString::number(i));
        StringGrid->setCell(1, row, binary(i));
        StringGrid->setCell(2, row, binary(i >> 1));
        StringGrid->setCell(3, row, binary(TGray::grayOf(i)));
    }
    for (std::int32_t i = gray.lowEnd() + 1; i < gray.highStart(); ++i) {
        StringGrid->setCell(4, i + 1, QStringLiteral("*"));
    }
}

void TFormMain::SpeedButtonInfoClick() {
    if (AboutBox != nullptr) AboutBox->showModeless();
}

void TFormMain::SpeedButtonHilfeClick() {
    const QString helpFile = applicationHelpFile();
    if (QFileInfo(helpFile).isFile()) {
        shellOpen(helpFile);
        return;
    }
    showInfoMessage(
        (QStringLiteral("Die Hilfedatei ") + helpFile + QStringLiteral(" ist nicht vorhanden"))
            .toStdString());
}

void TFormMain::SpeedButtonBeendenClick() { QApplication::quit(); }
