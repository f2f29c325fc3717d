// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/GrayMain.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include "app/platform/focusRing.h"
#include "app/platform/imageControl.h"
#include "app/platform/memo.h"
#include "app/platform/shell.h"
#include "app/platform/spinEdit.h"
#include "app/platform/stringGrid.h"
#include "app/platform/zoomArea.h"
#include "app/teachingTools.h"
#include "app/toolBar.h"
#include "app/windowZoom.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "tests/app/shownForm.h"
#include "tests/support/countCases.h"
#include "tests/support/infoMessageCapture.h"

namespace {

class FormMainTest : public ShownForm {
protected:
    FormMainTest() {
        m_previousShell = setShellOpenHandler(
            [this](const QString& fileName) { openedFiles.push_back(fileName); });
    }
    ~FormMainTest() override { setShellOpenHandler(std::move(m_previousShell)); }

    // Replaces the spin edit's text by typing, as a user would.
    void type(const QString& text) {
        form.SpinEdit->setFocus();
        QTest::keyClick(form.SpinEdit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(form.SpinEdit, Qt::Key_Backspace);
        QTest::keyClicks(form.SpinEdit, text);
    }
    void typeAndConfirm(const QString& text) {
        type(text);
        QTest::keyClick(form.SpinEdit, Qt::Key_Return);
    }
    void clickOk() { QTest::mouseClick(form.BitBtn, Qt::LeftButton); }

    QString spinText() const { return form.SpinEdit->text(); }
    QStringList listing() const { return form.Memo->toPlainText().split('\n', Qt::SkipEmptyParts); }
    QString cell(int column, int row) const { return form.StringGrid->cell(column, row); }
    // Rows 1 .. 64 whose "Entfernen" cell holds "*".
    std::vector<int> markedRows() const {
        std::vector<int> rows;
        for (int row = 1; row <= 64; ++row) {
            if (cell(4, row) == "*") rows.push_back(row);
        }
        return rows;
    }
    int filledRows() const {
        int rows = 0;
        for (int row = 1; row <= 64; ++row) rows += !cell(0, row).isEmpty();
        return rows;
    }

    InfoMessageCapture messages;
    std::vector<QString> openedFiles;

private:
    ShellOpenHandler m_previousShell;
};

TEST_F(FormMainTest, StartsEmptyWithTenInTheSpinEdit) {
    EXPECT_EQ(form.windowTitle(), "Zyklora");
    EXPECT_EQ(spinText(), "10");
    EXPECT_TRUE(form.SpinEdit->hasFocus());
    for (int column = 0; column < 5; ++column) EXPECT_EQ(cell(column, 0), "") << column;
    EXPECT_EQ(form.StringGrid->accessibleName(), "Konstruktionstabelle");
    EXPECT_EQ(filledRows(), 0);
    EXPECT_TRUE(listing().isEmpty());
    EXPECT_TRUE(form.ImageScheibe->picture().isNull());
    EXPECT_EQ(CurrentGray, nullptr);
    EXPECT_EQ(applicationHelpFile(), "zyklora.chm");
}

TEST_F(FormMainTest, OkBuildsTheTableListingAndDiskOfTheCount) {
    clickOk();
    const QStringList headings = {"Nummer", "Dualzahl", "Rechts-Shift", "XOR", "Entfernen"};
    for (int column = 0; column < 5; ++column) EXPECT_EQ(cell(column, 0), headings[column]);
    EXPECT_EQ(filledRows(), 16);
    EXPECT_EQ(markedRows(), (std::vector<int>{10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(listing(), QStringList({"0000", "0001", "0011", "0010", "0110", "0111", "0101",
                                      "0100", "1100", "1000"}));
    // Row 6 stands for index 5: 0101, shifted 0010, Gray code 0111.
    EXPECT_EQ(cell(0, 6), "5");
    EXPECT_EQ(cell(1, 6), "0101");
    EXPECT_EQ(cell(2, 6), "0010");
    EXPECT_EQ(cell(3, 6), "0111");
    ASSERT_NE(CurrentGray, nullptr);
    EXPECT_EQ(CurrentGray->codeCount(), 10);
    EXPECT_FALSE(form.ImageScheibe->picture().isNull());
}

TEST_F(FormMainTest, CountOfSixMatchesTheWorkedTable) {
    typeAndConfirm("6");
    const char* expected[8][5] = {
        {"0", "000", "000", "000", ""},  {"1", "001", "000", "001", ""},
        {"2", "010", "001", "011", ""},  {"3", "011", "001", "010", ""},
        {"4", "100", "010", "110", ""},  {"5", "101", "010", "111", "*"},
        {"6", "110", "011", "101", "*"}, {"7", "111", "011", "100", ""},
    };
    for (int row = 1; row <= 8; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(cell(column, row), expected[row - 1][column]) << row << ',' << column;
        }
    }
    EXPECT_EQ(filledRows(), 8);
    EXPECT_EQ(listing(), QStringList({"000", "001", "011", "010", "110", "100"}));
}

// The count rule shared with the page: an odd count or one outside 4 .. 64 is written back as
// the count built; any other text stays as typed, text that is no number reading as 4.
TEST_F(FormMainTest, TypedCountsAreMadeEvenAndClampedBeforeBuilding) {
    const std::vector<TCountCase> cases = countCases();
    ASSERT_GE(cases.size(), 20u);
    for (const TCountCase& c : cases) {
        SCOPED_TRACE('"' + c.text + '"');
        typeAndConfirm(c.text.c_str());
        const QString kept = QString::fromStdString(c.text);
        EXPECT_EQ(spinText(), c.read == c.built ? kept : QString::number(c.built));
        EXPECT_EQ(listing().size(), c.built);
        EXPECT_EQ(CurrentGray->codeCount(), c.built);
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FormMainTest, SecondClickReplacesEverythingOfTheFirst) {
    typeAndConfirm("64");
    EXPECT_EQ(filledRows(), 64);
    typeAndConfirm("6");
    EXPECT_EQ(filledRows(), 8);
    for (int row = 9; row <= 64; ++row) {
        for (int column = 0; column < 5; ++column) EXPECT_EQ(cell(column, row), "") << row;
    }
    EXPECT_EQ(markedRows(), (std::vector<int>{6, 7}));
    EXPECT_EQ(listing().size(), 6);
}

TEST_F(FormMainTest, SpinEditStepsByTwoAndClampsOnWriteAndWhenLeft) {
    QTest::keyClick(form.SpinEdit, Qt::Key_Up);
    EXPECT_EQ(spinText(), "12");
    QTest::keyClick(form.SpinEdit, Qt::Key_Down);
    QTest::keyClick(form.SpinEdit, Qt::Key_Down);
    EXPECT_EQ(spinText(), "8");

    type("63");
    QTest::keyClick(form.SpinEdit, Qt::Key_Up);  // 65, written clamped
    EXPECT_EQ(spinText(), "64");
    type("5");
    QTest::keyClick(form.SpinEdit, Qt::Key_Down);  // 3, written clamped
    EXPECT_EQ(spinText(), "4");
    type("");
    QTest::keyClick(form.SpinEdit, Qt::Key_Up);  // empty reads as 4
    EXPECT_EQ(spinText(), "6");

    type("99");
    EXPECT_EQ(form.SpinEdit->value(), 99);  // reading does not clamp
    form.BitBtn->setFocus();                // leaving the field does
    EXPECT_EQ(spinText(), "64");
    type("1");
    form.BitBtn->setFocus();
    EXPECT_EQ(spinText(), "4");
    type("xyz");
    form.BitBtn->setFocus();
    EXPECT_EQ(spinText(), "xyz");  // reads as 4, which is in range
}

TEST_F(FormMainTest, HelpReportsAMissingFileAndOpensAnExistingOne) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(directory.path());

    QTest::mouseClick(form.SpeedButtonHilfe, Qt::LeftButton);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages().front(), "Die Hilfedatei zyklora.chm ist nicht vorhanden");

    ASSERT_TRUE(QDir(directory.path()).mkdir("zyklora.chm"));  // a directory does not count
    QTest::mouseClick(form.SpeedButtonHilfe, Qt::LeftButton);
    EXPECT_EQ(messages.messages().size(), 2u);
    EXPECT_TRUE(openedFiles.empty());
    ASSERT_TRUE(QDir(directory.path()).rmdir("zyklora.chm"));

    QFile help(directory.filePath("zyklora.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    QTest::mouseClick(form.SpeedButtonHilfe, Qt::LeftButton);
    EXPECT_EQ(openedFiles, std::vector<QString>{"zyklora.chm"});
    EXPECT_EQ(messages.messages().size(), 2u);

    QDir::setCurrent(previous);
}

// Should the window fail to end the loop, the test ends it with a failing status.
void failAfterTimeout() {
    QTimer::singleShot(10000, [] { QApplication::exit(1); });
}

TEST_F(FormMainTest, ExitButtonEndsTheEventLoop) {
    failAfterTimeout();
    QTimer::singleShot(0, [this] { QTest::mouseClick(form.SpeedButtonBeenden, Qt::LeftButton); });
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST_F(FormMainTest, ClosingTheWindowEndsTheEventLoop) {
    failAfterTimeout();
    QTimer::singleShot(0, [this] { form.close(); });
    EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace

namespace {

// Types digits straight into the field, without clearing it first.
void typeDigits(TFormMain& form, const QString& digits) {
    QTest::keyClicks(form.SpinEdit, digits);
    QTest::keyClick(form.SpinEdit, Qt::Key_Return);
}

TEST_F(FormMainTest, TypedDigitsReplaceTheCountAfterStartAndAfterEveryWrite) {
    typeDigits(form, "6");  // right after start: replaces the 10
    EXPECT_EQ(CurrentGray->codeCount(), 6);
    form.SpinEdit->setFocus();
    QTest::keyClick(form.SpinEdit, Qt::Key_A, Qt::ControlModifier);
    typeDigits(form, "7");  // corrected to 8 and written back, then selected
    EXPECT_EQ(spinText(), "8");
    typeDigits(form, "4");
    EXPECT_EQ(CurrentGray->codeCount(), 4);

    form.BitBtn->setFocus();
    form.SpinEdit->setFocus(Qt::TabFocusReason);
    typeDigits(form, "12");  // focus from the keyboard selects the text as well
    EXPECT_EQ(CurrentGray->codeCount(), 12);
}

TEST_F(FormMainTest, CtrlStepsByOneIncrementToo) {
    QTest::keyClick(form.SpinEdit, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(spinText(), "12");
    QTest::keyClick(form.SpinEdit, Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(form.SpinEdit, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(spinText(), "8");
}

TEST_F(FormMainTest, ANewTableIsShownFromItsStart) {
    typeAndConfirm("64");
    form.StringGrid->scrollToBottom();
    form.Memo->verticalScrollBar()->setValue(form.Memo->verticalScrollBar()->maximum());
    typeAndConfirm("4");
    EXPECT_EQ(form.StringGrid->verticalScrollBar()->value(), 0);
    EXPECT_EQ(form.Memo->verticalScrollBar()->value(), 0);
}

TEST_F(FormMainTest, TabWalksCountListingOkTableDiskAndEveryActionHasAShortcut) {
    form.SpinEdit->setFocus();
    const QWidget* chain[] = {form.Memo, form.BitBtn, form.StringGrid, form.ImageScheibe,
                              form.SpinEdit};
    for (const QWidget* next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->metaObject()->className();
        // The focus ring stands visibly around the focused control.
        const auto* ring = form.findChild<TFocusRing*>();
        EXPECT_TRUE(ring->isVisible());
        EXPECT_TRUE(ring->geometry().contains(
            QRect(next->mapTo(ring->parentWidget(), QPoint(0, 0)), next->size())));
    }
    // The toolbar buttons are no tab stops: each action has a shortcut, which the accessible
    // description names; the three classic hints stay as they are, the added ones name it too.
    using TTool = TActionId;
    const struct {
        TTool tool;
        QString tip, shortcut;
    } tips[] = {{TTool::Info, "Autor", "Strg+I"},
                {TTool::Help, "Erläuterung", "F1"},
                {TTool::Exit, "Programm beenden", "Strg+Q"},
                {TTool::SaveDisk, "Scheibe speichern (Strg+S)", "Strg+S"},
                {TTool::Print, "Drucken (Strg+P)", "Strg+P"},
                {TTool::CopyTable, "Tabelle kopieren (Strg+Umschalt+C)", "Strg+Umschalt+C"}};
    for (const auto& [tool, tip, shortcut] : tips) {
        const QToolButton* button = form.toolBar().button(tool);
        EXPECT_EQ(button->toolTip(), tip);
        EXPECT_EQ(button->accessibleDescription(), "Tastenkürzel: " + shortcut);
        EXPECT_TRUE(form.actions().contains(form.toolBar().action(tool)));
    }
    // A shortcut reaches the handler from wherever the focus is.
    QTest::keyClick(form.StringGrid, Qt::Key_F1);
    EXPECT_EQ(messages.messages().size() + openedFiles.size(), 1u);
}

TEST_F(FormMainTest, EveryFocusableControlHasAGermanAccessibleName) {
    const QList<QWidget*> all = form.findChildren<QWidget*>();
    int focusable = 0;
    for (QWidget* widget : all) {
        if (!widget->isVisibleTo(&form) || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (widget->focusProxy() != nullptr || qobject_cast<QScrollBar*>(widget)) continue;
        ++focusable;
        const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << widget->metaObject()->className();
    }
    EXPECT_EQ(focusable, 5);
    QAccessibleInterface* spin = QAccessible::queryAccessibleInterface(form.SpinEdit);
    EXPECT_EQ(spin->text(QAccessible::Name), "Codeanzahl - gerade Zahl von 4 bis 64");
    EXPECT_EQ(spin->valueInterface()->currentValue().toInt(), 10);
    EXPECT_EQ(spin->valueInterface()->minimumValue().toInt(), 4);
    EXPECT_EQ(spin->valueInterface()->maximumValue().toInt(), 64);
    EXPECT_EQ(form.SpeedButtonInfo->accessibleName(), "Autor");

    // After OK, the focused control describes the cycle check and the disk names n and rings.
    // The check is taken back by the next OK and when the focus moves on.
    form.SpinEdit->setFocus();
    QTest::keyClick(form.SpinEdit, Qt::Key_Return);
    EXPECT_EQ(form.SpinEdit->accessibleDescription(),
              "Zyklisch: alle 10 Übergänge ändern genau ein Bit");
    form.Memo->setFocus();
    EXPECT_EQ(form.SpinEdit->accessibleDescription(), "");
    form.SpinEdit->setValue(20);
    QTest::keyClick(form.Memo, Qt::Key_Return);
    EXPECT_EQ(form.Memo->accessibleDescription(),
              "Zyklisch: alle 20 Übergänge ändern genau ein Bit");
    form.wordSelection().select(0);
    EXPECT_TRUE(form.ImageScheibe->accessibleDescription().startsWith(
        "n = 20 Codewörter, 5 Ringe. Position 1 von 20: 00000"));
}

TEST_F(FormMainTest, StartFitsTheWindowIntoTheAvailableArea) {
    struct Case {
        QRect available;
        bool designedPlace;
    };
    const Case cases[] = {{{0, 0, 1920, 1040}, true},
                          {{0, 0, 1024, 728}, false},
                          {{0, 0, 1366, 728}, false},
                          {{0, 40, 1280, 680}, false}};
    for (const auto& [available, designedPlace] : cases) {
        form.windowZoom().fitInto(available);
        const double zoom = form.zoomArea().zoom();
        const QSize client = form.zoomArea().scaledSize(zoom);
        const QRect outer(form.pos(), client.grownBy(TWindowZoom::kTypicalFrame));
        EXPECT_TRUE(available.contains(outer)) << available.width() << " " << zoom;
        EXPECT_EQ(form.pos() == QPoint(192, 124), designedPlace) << available.width();
        EXPECT_EQ(zoom == 1.0, designedPlace) << available.width();
    }
}

// F11 and Escape: the presentation fills the screen, and leaving it puts the window back at its
// size and place, at any zoom, and not at the screen's corner.
TEST_F(FormMainTest, LeavingFullScreenRestoresSizeAndPlace) {
    for (const int zoomStep : {0, 1}) {
        form.windowZoom().step(zoomStep);
        form.move(300, 200);
        QTest::qWait(20);
        const QRect before = form.geometry();
        const double zoom = form.zoomArea().zoom();
        QTest::keyClick(&form, Qt::Key_F11);
        ASSERT_TRUE(QTest::qWaitFor([&] { return form.isFullScreen(); }));
        QTest::keyClick(&form, Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form.isFullScreen(); }));
        QTest::qWait(20);
        EXPECT_EQ(form.geometry(), before) << zoomStep;
        EXPECT_DOUBLE_EQ(form.zoomArea().zoom(), zoom);
    }
}

// A panel beside the disk on a screen too narrow for both at the start zoom: the disk makes room,
// so that no text shrinks and the toolbar, the count field, OK and the whole disk stay in view.
TEST_F(FormMainTest, PanelsOnANarrowScreenShrinkTheDiskNotTheText) {
    const QRect available = form.screen()->availableGeometry();
    form.windowZoom().fitInto(available);
    clickOk();
    const double zoom = form.zoomArea().zoom();
    const QSize disk = form.ImageScheibe->size();
    for (const TActionId tool : {TActionId::Construction, TActionId::ReadHead}) {
        form.toolBar().action(tool)->trigger();
        QTest::qWait(50);
        EXPECT_DOUBLE_EQ(form.zoomArea().zoom(), zoom);
        EXPECT_LT(form.ImageScheibe->width(), disk.width());
        QWidget* viewport = form.zoomArea().viewport();
        const QRect seen = viewport->rect();
        for (QWidget* control :
             {static_cast<QWidget*>(form.toolBar().button(TActionId::Info)),
              static_cast<QWidget*>(form.SpinEdit), static_cast<QWidget*>(form.BitBtn),
              static_cast<QWidget*>(form.ImageScheibe)}) {
            const QRect shown(control->mapTo(viewport, QPoint(0, 0)), control->size());
            EXPECT_TRUE(seen.contains(shown)) << control->objectName().toStdString();
        }
        EXPECT_TRUE(available.contains(form.frameGeometry()));
        form.toolBar().action(tool)->trigger();
        QTest::qWait(50);
        EXPECT_EQ(form.ImageScheibe->size(), disk);
    }
}

// No saved state: a zoom chosen in one window is neither written nor taken up by the next.
TEST_F(FormMainTest, ZoomIsNotRemembered) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());  // before anything reads settings
    form.windowZoom().step(1);
    ASSERT_GT(form.zoomArea().zoom(), 1.0);
    TFormMain next;
    next.windowZoom().fitInto({0, 0, 3840, 2100});
    EXPECT_DOUBLE_EQ(next.zoomArea().zoom(), 1.0);
    EXPECT_TRUE(
        QSettings(QStringLiteral("Zyklora"), QStringLiteral("Zyklora")).allKeys().isEmpty());
    EXPECT_TRUE(QDir(config.path()).isEmpty());
}

TEST_F(FormMainTest, ZoomScalesEveryControlAndScrollBarsKeepThemReachable) {
    form.zoomArea().setZoom(2.0);
    EXPECT_EQ(form.SpinEdit->geometry(), QRect(16, 154, 226, 44));
    EXPECT_EQ(form.ImageScheibe->geometry(), QRect(1040, 160, 1400, 1400));
    EXPECT_EQ(form.SpeedButtonHilfe->iconSize(), QSize(32, 32));
    EXPECT_EQ(form.StringGrid->columnWidth(1), 144);
    EXPECT_EQ(form.zoomArea().content()->font().pixelSize(), 22);
    // The window is smaller than the content: scroll bars let every control be reached.
    form.resize(800, 600);
    QApplication::processEvents();
    EXPECT_TRUE(form.zoomArea().horizontalScrollBar()->isVisible());
    EXPECT_TRUE(form.zoomArea().verticalScrollBar()->isVisible());
    // Ctrl+Minus steps down, Ctrl+0 returns to the design.
    QTest::keyClick(form.SpinEdit, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(form.zoomArea().zoom(), 1.75);
    QTest::keyClick(form.SpinEdit, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form.ImageScheibe->geometry(), QRect(520, 80, 700, 700));
    // Ctrl with the wheel: the listing and the table leave it to the window, which zooms.
    const auto ctrlWheel = [](QWidget* target) {
        QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(target, &wheel);
        return wheel.isAccepted();
    };
    const int listingFont = form.Memo->font().pixelSize();
    EXPECT_FALSE(ctrlWheel(form.Memo->viewport()));
    EXPECT_FALSE(ctrlWheel(form.StringGrid->viewport()));
    EXPECT_EQ(form.Memo->font().pixelSize(), listingFont);
    EXPECT_TRUE(ctrlWheel(form.zoomArea().viewport()));
    EXPECT_DOUBLE_EQ(form.zoomArea().zoom(), 1.1);
}

TEST_F(FormMainTest, DiskAtPixelRatioTwoIsDrawnAtDevicePixels) {
    clickOk();
    QImage frame(form.ImageScheibe->size() * 2, QImage::Format_RGB32);
    frame.setDevicePixelRatio(2);
    form.ImageScheibe->render(&frame);
    EXPECT_EQ(form.ImageScheibe->picture().size(), QSize(1400, 1400));
    // An enlarged bitmap would consist of 2 x 2 blocks; drawn at ratio 2, edges cut through them.
    int splitBlocks = 0;
    for (int y = 0; y + 1 < frame.height(); y += 2) {
        for (int x = 0; x + 1 < frame.width(); x += 2) {
            const QRgb corner = frame.pixel(x, y);
            splitBlocks += frame.pixel(x + 1, y) != corner || frame.pixel(x, y + 1) != corner ||
                           frame.pixel(x + 1, y + 1) != corner;
        }
    }
    EXPECT_GT(splitBlocks, 1000);
}

TEST_F(FormMainTest, ToolbarButtonsStandSideBySide) {
    const QToolButton* buttons[] = {form.SpeedButtonInfo, form.SpeedButtonHilfe,
                                    form.SpeedButtonBeenden};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(buttons[i]->geometry(), QRect(23 * i, 2, 23, 22)) << i;
    }
}

TEST_F(FormMainTest, StandardTextsAreGerman) {
    std::unique_ptr<QMenu> menu(
        form.SpinEdit->findChild<QLineEdit*>()->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text().section('\t', 0, 0);
    EXPECT_TRUE(texts.contains(QStringLiteral("&Rückgängig"))) << texts.join('|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("&Undo")));
}

TEST_F(FormMainTest, DiskFaceStaysLightOnADarkTheme) {
    QPalette dark = form.palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    form.setPalette(dark);
    clickOk();
    const QImage disk = form.ImageScheibe->picture();
    EXPECT_EQ(disk.pixelColor(2, 2), TImageCanvas::kLightFace);  // a corner outside the disk
}

}  // namespace
