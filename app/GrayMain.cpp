// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GrayMain.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/UnitAbout.h"
#include "app/constructionView.h"
#include "app/diskBuilderDialog.h"
#include "app/lessonStatus.h"
#include "app/platform/announcer.h"
#include "app/platform/focusRing.h"
#include "app/platform/formFont.h"
#include "app/platform/glyphs.h"
#include "app/platform/imageControl.h"
#include "app/platform/memo.h"
#include "app/platform/shell.h"
#include "app/platform/spinEdit.h"
#include "app/platform/stringGrid.h"
#include "app/platform/zoomArea.h"
#include "app/practicePanel.h"
#include "app/readHeadTool.h"
#include "app/sidePanels.h"
#include "app/teachingTools.h"
#include "app/toolBar.h"
#include "app/windowZoom.h"
#include "app/wordSelection.h"
#include "app/worksheetDialog.h"
#include "gray/GrayUnit.h"
#include "gray/codeCount.h"
#include "gray/diskLayout.h"
#include "gray/grayTable.h"
#include "lib/infoMessage.h"

namespace {

constexpr char kHelpFileProperty[] = "helpFile";
constexpr int kGridColumns = static_cast<int>(kTableColumns);
constexpr int kGridRows = 65;

}  // namespace

QString applicationHelpFile() { return qApp->property(kHelpFileProperty).toString(); }

TFormMain::TFormMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Zyklora"));
    setFont(formFont());
    m_zoomArea = new TZoomArea(kDesignedClient, formFont(), this);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(m_zoomArea);
    QWidget* content = m_zoomArea->content();
    // Every control at its designed rectangle, scaled with the zoom.
    const auto place = [this](QWidget* control, const QRect& designed) {
        m_zoomArea->place(control, designed);
    };
    const auto label = [&](const QString& caption, int left, int top) {
        auto* made = new QLabel(caption, content);
        place(made, QRect(QPoint(left, top), made->sizeHint()));  // sized to its caption
        return made;
    };

    LabelAnzahl = label(QStringLiteral("Codeanzahl - gerade Zahl von 4 bis 64"), 8, 56);
    LabelMemo = label(QStringLiteral("Gray-Code"), 408, 120);

    ImageScheibe = new TImageControl(content);
    place(ImageScheibe, kDiskPlace);
    ImageScheibe->setFocusPolicy(Qt::StrongFocus);
    ImageScheibe->setAccessibleName(QStringLiteral("Codescheibe"));

    SpinEdit = new TSpinEdit(content);
    place(SpinEdit, {8, 77, 113, 22});
    SpinEdit->setRange(TCodeCount::kMin, TCodeCount::kMax);
    SpinEdit->setIncrement(2);
    SpinEdit->setValue(10);
    LabelAnzahl->setBuddy(SpinEdit);

    Memo = new TMemo(content);
    place(Memo, {408, 136, 97, 641});
    Memo->setAccessibleName(QStringLiteral("Gray-Code"));
    LabelMemo->setBuddy(Memo);

    BitBtn = new QPushButton(okGlyph(), QStringLiteral("OK"), content);
    place(BitBtn, {296, 77, 97, 25});
    BitBtn->setDefault(true);

    // A plain widget, so that the buttons stand exactly where they belong.
    ToolBar = new QWidget(content);
    place(ToolBar, {0, 0, 1244, 29});

    StringGrid = new TStringGrid(kGridColumns, kGridRows, content);
    place(StringGrid, {8, 112, 385, 665});
    StringGrid->setAccessibleName(QStringLiteral("Konstruktionstabelle"));

    createClassicButtons();
    createLessonTools();
    m_zoom = new TWindowZoom(*this, *m_zoomArea);
    m_focusRing = new TFocusRing(content);

    // The classic order, the toolbar's buttons being reached by their shortcuts; the disk is
    // the one stop added, after the table.
    setTabOrder(SpinEdit, Memo);
    setTabOrder(Memo, BitBtn);
    setTabOrder(BitBtn, StringGrid);
    setTabOrder(StringGrid, ImageScheibe);
    SpinEdit->setFocus();

    connect(BitBtn, &QPushButton::clicked, this, &TFormMain::BitBtnClick);
    connect(m_zoomArea, &TZoomArea::zoomChanged, this, [this](double zoom) {
        StringGrid->setZoom(zoom);
        m_focusRing->follow();
    });
    // The disk is drawn anew at its new size or on a screen of another pixel ratio.
    connect(ImageScheibe, &TImageControl::pictureOutdated, m_readHead, &TReadHeadTool::paintDisk);

    resize(kDesignedClient);
    move(TWindowZoom::kDesignedPlace);
    GrayWindow = this;
    FormCreate();
}

void TFormMain::createClassicButtons() {
    m_toolBar = new TToolBar(*this, *ToolBar, *m_zoomArea);
    const struct {
        TActionId id;
        QIcon (*glyph)();
        QToolButton*& button;
        void (TFormMain::*handler)();
    } classic[] = {
        {TActionId::Info, infoGlyph, SpeedButtonInfo, &TFormMain::SpeedButtonInfoClick},
        {TActionId::Help, helpGlyph, SpeedButtonHilfe, &TFormMain::SpeedButtonHilfeClick},
        {TActionId::Exit, exitGlyph, SpeedButtonBeenden, &TFormMain::SpeedButtonBeendenClick},
    };
    for (const auto& entry : classic) {
        connect(m_toolBar->createAction(entry.id, entry.glyph()), &QAction::triggered, this,
                entry.handler);
        entry.button = m_toolBar->button(entry.id);
    }
    m_toolBar->addSeparator();
}

void TFormMain::createLessonTools() {
    m_announcer = new TAnnouncer(*this);
    m_sidePanels = new TSidePanels(*m_zoomArea, m_session, *ImageScheibe, kDiskPlace);
    m_wordSelection = new TWordSelection(*Memo, *StringGrid, *ImageScheibe, m_session, this);
    m_status = new TLessonStatus(*m_zoomArea, *ImageScheibe, *m_announcer, m_session);
    m_tools = new TTeachingTools(*m_toolBar, *this, *ImageScheibe, m_session);
    const TToolPlace place{*m_toolBar, *m_sidePanels, *m_announcer, *m_zoomArea};
    m_readHead = new TReadHeadTool(place, m_session.shownDisk(), *ImageScheibe);
    m_construction = new TConstructionView(place, m_session);
    m_practice = new TPracticePanel(place, *ImageScheibe, {StringGrid, Memo, LabelMemo}, m_session);
    // The dialogs about a count: "Arbeitsblatt" and "Scheibe bauen".
    auto* worksheets = new TCountDialogTool(
        TActionId::Worksheet, worksheetGlyph(), QStringLiteral("worksheetButton"),
        [](QWidget* parent) { return new TWorksheetDialog(parent); }, *this, *SpinEdit, *m_toolBar);
    worksheets->setObjectName(QStringLiteral("worksheetTool"));
    auto* diskBuilder = new TCountDialogTool(
        TActionId::BuildDisk, buildDiskGlyph(), QStringLiteral("buildDiskButton"),
        [](QWidget* parent) { return new TDiskBuilderDialog(parent); }, *this, *SpinEdit,
        *m_toolBar);

    // Each OK's code goes to the tools; the cycle check is told after the selection is cleared.
    connect(this, &TFormMain::tableShown, m_readHead, &TReadHeadTool::tableShown);
    connect(this, &TFormMain::tableShown, m_construction, &TConstructionView::tableShown);
    connect(this, &TFormMain::tableShown, m_tools, &TTeachingTools::showTable);
    connect(this, &TFormMain::tableShown, m_wordSelection, &TWordSelection::tableShown);
    connect(this, &TFormMain::tableShown, m_status, &TLessonStatus::tableShown);
    connect(this, &TFormMain::tableShown, m_practice, &TPracticePanel::tableShown);
    connect(this, &TFormMain::tableShown, worksheets, &TCountDialogTool::tableShown);
    connect(this, &TFormMain::tableShown, diskBuilder, &TCountDialogTool::tableShown);
    // The selection follows the disk shown and hides while practising; the words say so.
    connect(m_readHead, &TReadHeadTool::shownDiskChanged, m_wordSelection,
            &TWordSelection::refresh);
    connect(m_practice, &TPracticePanel::shownChanged, m_wordSelection, &TWordSelection::refresh);
    connect(m_wordSelection, &TWordSelection::described, m_status,
            &TLessonStatus::selectionChanged);
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
    resetTable();
    Memo->clear();
    CurrentGray.reset();

    // An odd count is raised, one outside the label's 4 to 64 clamped; both are shown.
    const std::int32_t count = SpinEdit->value();
    if (shownCount(count) != count) SpinEdit->setValue(shownCount(count));

    CurrentGray = std::make_unique<TGray>(SpinEdit->value());
    CurrentGray->generate();
    fillTable();
    CurrentGray->paintDisk();
    m_session.setPracticeSeed(freshSeed());
    m_session.showTable(CurrentGray->cycle());
    emit tableShown(*CurrentGray);
    // A new table is read from its start.
    StringGrid->scrollToTop();
    Memo->moveCursor(QTextCursor::Start);
    Memo->verticalScrollBar()->setValue(0);
}

void TFormMain::resetTable() {
    for (int column = 0; column < kGridColumns; ++column) {
        const std::string_view heading = kTableHeadings[static_cast<std::size_t>(column)];
        StringGrid->setCell(column, 0, QString::fromUtf8(heading.data(), std::ssize(heading)));
    }
    for (int column = 0; column < kGridColumns; ++column) {
        for (int row = 1; row < kGridRows; ++row) StringGrid->setCell(column, row, QString());
    }
}

void TFormMain::fillTable() {
    int row = 1;
    for (const TTableRow& cells : tableRows(CurrentGray->cycle())) {
        for (int column = 0; column < kGridColumns; ++column) {
            StringGrid->setCell(column, row,
                                QString::fromStdString(cells[static_cast<std::size_t>(column)]));
        }
        ++row;
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
