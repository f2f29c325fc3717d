// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/readHeadTool.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <numbers>

#include "app/GrayMain.h"
#include "app/diskExport.h"
#include "app/platform/imageControl.h"
#include "app/platform/spinEdit.h"
#include "app/platform/zoomArea.h"
#include "app/teachingTools.h"
#include "app/wordSelection.h"
#include "gray/GrayUnit.h"
#include "gray/cycleCheck.h"
#include "tests/app/shownForm.h"

namespace {

class ReadHeadTool : public ShownForm {
protected:
    void showHead(int count) {
        form.SpinEdit->setValue(count);
        QTest::mouseClick(form.BitBtn, Qt::LeftButton);
        QTest::mouseClick(form.findChild<QToolButton*>("readHeadButton"), Qt::LeftButton);
    }
    QString shown(const char* name) const { return form.findChild<QLabel*>(name)->text(); }
    // The point of the disk at angle degrees, on the middle of the rings, at whatever size the
    // disk has beside the panel.
    QPoint diskPoint(double degrees) const {
        const double radians = degrees * std::numbers::pi / 180;
        const double half = form.ImageScheibe->width() / 2.0;
        const double middle = half * 250 / 350;
        return QPoint(static_cast<int>(std::lround(half + middle * std::cos(radians))),
                      static_cast<int>(std::lround(half - middle * std::sin(radians))));
    }
};

TEST_F(ReadHeadTool, DraggingAndLeftAndRightChangeTheWordShown) {
    showHead(16);
    const std::vector<std::string> words = CurrentGray->cycle().words();
    ASSERT_TRUE(form.findChild<QWidget*>("readHeadPanel")->isVisibleTo(&form));
    const auto readWord = [&] {
        return words[static_cast<std::size_t>(form.readHead().headAngle() / 22.5)];
    };
    // Dragged from sector 1 to the middle of sector 5, the panel follows the head.
    QTest::mousePress(form.ImageScheibe, Qt::LeftButton, {}, diskPoint(30));
    EXPECT_EQ(shown("readWord").toStdString(), words[1]);
    QTest::mouseMove(form.ImageScheibe, diskPoint(5.5 * 22.5));
    QTest::mouseRelease(form.ImageScheibe, Qt::LeftButton, {}, diskPoint(5.5 * 22.5));
    EXPECT_EQ(shown("readWord").toStdString(), words[5]);
    EXPECT_EQ(shown("verdict"), "richtig gelesen");
    EXPECT_EQ(shown("readDecoding"),
              "Dekodiert: 0111 → Dualzahl 0101 → Nummer 5 im "
              "vollständigen Code → 5 + 1 = Position 6 von 16");

    // Right turns it on by fine steps into sector 6, Left back again.
    const std::pair<Qt::Key, std::size_t> turns[] = {{Qt::Key_Right, 6}, {Qt::Key_Left, 5}};
    for (const auto& [key, sector] : turns) {
        for (int press = 0; press < 60; ++press) {
            QTest::keyClick(form.ImageScheibe, key);
            ASSERT_EQ(shown("readWord").toStdString(), readWord()) << press;
        }
        EXPECT_EQ(shown("readWord").toStdString(), words[sector]);
    }
    EXPECT_NEAR(form.readHead().headAngle(), 5.5 * 22.5, 0.5);
}

// Page Up and Down, or Shift with Left and Right, turn the head by a whole sector.
TEST_F(ReadHeadTool, PageKeysTurnByASector) {
    showHead(16);
    form.readHead().setHeadAngle(10);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        double angle;
    } presses[] = {
        {Qt::Key_PageDown, Qt::NoModifier, 32.5}, {Qt::Key_Right, Qt::ShiftModifier, 55},
        {Qt::Key_PageUp, Qt::NoModifier, 32.5},   {Qt::Key_Left, Qt::ShiftModifier, 10},
        {Qt::Key_PageUp, Qt::NoModifier, 347.5},  {Qt::Key_Right, Qt::NoModifier, 347.75},
    };
    for (const auto& press : presses) {
        QTest::keyClick(form.ImageScheibe, press.key, press.modifiers);
        EXPECT_DOUBLE_EQ(form.readHead().headAngle(), press.angle) << press.key;
    }
}

TEST_F(ReadHeadTool, BinaryDiskWithATurnedRingMisreadsWhereTheGrayDiskDoesNot) {
    showHead(16);
    // The Gray disk with the head, which may be smaller beside the panel, and without it.
    const QImage headOnGray = form.ImageScheibe->picture();
    const QImage grayDisk =
        renderDiskImage(form.shownDisk(), 700, form.ImageScheibe->canvas().faceColor());
    // The innermost ring is chosen first; a quarter sector is 5.625 degrees.
    form.findChild<QSlider*>("offsetSlider")->setValue(563);
    EXPECT_EQ(shown("countLine"),
              "Gray-Code: 0 Fehllesungen, 0 Sprünge · Dualcode: 2 Fehllesungen, 2 Sprünge je "
              "Umdrehung");
    form.readHead().setHeadAngle(182);
    EXPECT_EQ(shown("readWord"), "0100");  // Gray: the inner ring still shows sector 7
    EXPECT_EQ(shown("verdict"), "Nachbarwort – keine Fehllesung");

    form.wordSelection().select(7);
    form.findChild<QCheckBox*>("binarySwitch")->click();
    // The selected word's explanation follows the disk shown.
    EXPECT_TRUE(shown("statusLine").startsWith("Position 8 von 16 im Dualcode: 0111"));
    EXPECT_EQ(shown("readWord"), "0000");
    EXPECT_EQ(shown("verdict"), "Fehllesung!");
    EXPECT_TRUE(form.findChild<QLabel*>("readWord")->styleSheet().contains("#c80000"));
    EXPECT_NE(form.ImageScheibe->picture(), headOnGray);

    // The window shows and saves the disk shown: the binary one with its turned ring while the
    // head shows it, the plain Gray disk at its designed size without the head.
    const QColor face = form.ImageScheibe->canvas().faceColor();
    QTemporaryDir dir;
    ASSERT_TRUE(form.teachingTools().saveDiskAs(dir.filePath("d.png"), form.ImageScheibe->width()));
    EXPECT_EQ(QImage(dir.filePath("d.png")).convertToFormat(QImage::Format_RGB32),
              form.ImageScheibe->picture());
    form.readHead().action()->trigger();
    EXPECT_EQ(form.ImageScheibe->picture(), renderDiskImage(form.shownDisk(), 700, face));
    EXPECT_EQ(form.ImageScheibe->picture(), grayDisk);
    EXPECT_EQ(form.zoomArea().designedSize(), TFormMain::kDesignedClient);
}

TEST_F(ReadHeadTool, TurnGoesOnceAroundAndStops) {
    showHead(10);
    form.readHead().setHeadAngle(100);
    auto* button = form.findChild<QPushButton*>("turnButton");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), "Anhalten");
    const int frames = TReadHeadTool::kTurnMilliseconds / TReadHeadTool::kFrameMilliseconds;
    for (int frame = 1; frame < frames; ++frame) form.readHead().advanceTurn();
    EXPECT_TRUE(form.readHead().turning());
    form.readHead().advanceTurn();
    EXPECT_FALSE(form.readHead().turning());
    EXPECT_EQ(button->text(), "Drehen");
    EXPECT_NEAR(form.readHead().headAngle(), 100, 1e-9);

    // Hiding the head stops a running turn as "Anhalten" does.
    QTest::mouseClick(button, Qt::LeftButton);
    form.readHead().action()->trigger();
    EXPECT_FALSE(form.readHead().turning());
    EXPECT_EQ(button->text(), "Drehen");
}

// The verdict reaches the focused control when it changes, and only then: a screen reader hears
// a misreading once, not on every step of the head.
class ReadHeadAnnouncement : public ShownForm {};

TEST_F(ReadHeadAnnouncement, ANewVerdictIsAnnouncedOnce) {
    form.SpinEdit->setValue(16);
    QTest::mouseClick(form.BitBtn, Qt::LeftButton);
    QTest::mouseClick(form.findChild<QToolButton*>("readHeadButton"), Qt::LeftButton);
    form.findChild<QSlider*>("offsetSlider")->setValue(563);
    form.readHead().setHeadAngle(5.5 * 22.5);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, form.ImageScheibe);
    const struct {
        double angle;
        QString description;  // "" : nothing new to say
    } steps[] = {
        {182, QStringLiteral("Nachbarwort – keine Fehllesung")}, {182.1, QString()},
        {5.5 * 22.5, QStringLiteral("richtig gelesen")},         {5.6 * 22.5, QString()},
        {182, QStringLiteral("Nachbarwort – keine Fehllesung")},
    };
    for (const auto& step : steps) {
        focused->setAccessibleDescription(QString());
        form.readHead().setHeadAngle(step.angle);
        EXPECT_EQ(focused->accessibleDescription(), step.description) << step.angle;
    }
}

}  // namespace
